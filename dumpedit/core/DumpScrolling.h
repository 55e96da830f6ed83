// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "dumpedit/core/DumpLayout.h"

namespace dumpedit {

std::uint32_t ClampTopRow(std::int64_t row, const DumpLayout& layout);
int ClampHorzPos(std::int64_t pos, const DumpLayout& layout);

// Relative scrolling: a move above the first row or left of the content stops at 0.
std::int64_t OffsetPosition(std::int64_t position, std::int64_t delta);

// Rows to scroll for a wheel turn of `delta` (120 per notch, up is positive): whole notches only.
int WheelRows(int delta);

// Scroll positions that bring a byte range into view; empty members stay where they are.
struct ScrollTarget {
    std::optional<std::uint32_t> topRow;
    std::optional<int> hScroll;
};

ScrollTarget EnsureVisibleTarget(std::uint32_t first, std::uint32_t last, const DumpLayout& layout,
                                 std::uint32_t topRow, int hScroll);

}  // namespace dumpedit
