// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace dumpedit {

// Byte position meaning "no byte": the selection and the marked range use it for "none".
inline constexpr std::uint32_t kNoByte = 0xFFFFFFFFu;

// A row is built in fixed text buffers elsewhere in the system's history; wider rows are clamped.
inline constexpr std::uint32_t kMaxBytesPerRow = 341;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Rectangle with exclusive right and bottom edges.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Right and bottom edges count as outside.
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace dumpedit
