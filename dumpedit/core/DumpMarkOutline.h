// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "dumpedit/core/DumpGeometry.h"

namespace dumpedit {

// The outline around the marked range in the hex column: at most 8 corners, none when the
// range lies wholly above or below the visible rows.
struct MarkOutline {
    std::array<Point, 8> points{};
    int count = 0;

    void Add(Point p) { points[static_cast<std::size_t>(count++)] = p; }
    const Point& Last() const { return points[static_cast<std::size_t>(count - 1)]; }
};

struct MarkOutlineGeometry {
    int columnLeft = 0;   // X: left edge of the hex column (client)
    int top = 0;          // Y: top of the text
    int columnRight = 0;  // XR: right edge of the hex column (client)
    std::uint32_t bytesPerRow = 1;
    int charWidth = 1;
    int lineHeight = 1;
    std::uint32_t visibleRows = 0;
    std::uint32_t topRow = 0;
};

MarkOutline BuildMarkOutline(const MarkOutlineGeometry& g, std::uint32_t first, std::uint32_t last);

}  // namespace dumpedit
