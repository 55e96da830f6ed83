// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpScrolling.h"

#include <algorithm>
#include <utility>

namespace dumpedit {

std::uint32_t ClampTopRow(std::int64_t row, const DumpLayout& layout)
{
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(row, 0, layout.maxTopRow));
}

int ClampHorzPos(std::int64_t pos, const DumpLayout& layout)
{
    return static_cast<int>(std::clamp<std::int64_t>(pos, 0, layout.maxHScroll));
}

std::int64_t OffsetPosition(std::int64_t position, std::int64_t delta)
{
    return std::max<std::int64_t>(position + delta, 0);
}

int WheelRows(int delta)
{
    return -delta / 120;
}

ScrollTarget EnsureVisibleTarget(std::uint32_t first, std::uint32_t last, const DumpLayout& layout,
                                 std::uint32_t topRow, int hScroll)
{
    ScrollTarget target;
    // Unsigned 32-bit throughout, like the byte positions themselves.
    const std::uint32_t B = layout.bytesPerRow;
    const std::uint32_t viewFirst = topRow * B;
    const std::uint32_t wholeRowsBytes = layout.fullRows * B;
    const std::uint32_t viewEnd = viewFirst + wholeRowsBytes;
    // Row that puts `last` on the bottom whole row.
    const auto bottomAligned = [&] { return (last + B - wholeRowsBytes) / B; };

    const bool coversView = first <= viewFirst && last >= viewEnd;
    if (!coversView) {
        if (last - first > wholeRowsBytes) {
            if (first > viewFirst) {
                target.topRow = ClampTopRow(first / B, layout);
            } else if (last < viewEnd) {
                target.topRow = ClampTopRow(bottomAligned(), layout);
            }
        } else if (first < viewFirst) {
            target.topRow = ClampTopRow(first / B, layout);
        } else if (last >= viewEnd) {
            target.topRow = ClampTopRow(bottomAligned(), layout);
        }
    }

    const int cw = layout.charWidth;
    const int L = layout.textRect.left;
    const int Rt = layout.textRect.right;
    const int origin = L + layout.hexX - hScroll;
    int v = origin + cw * 3 * static_cast<int>(first % B);
    int u = origin + cw * (3 * static_cast<int>(last % B) + 2);
    if (v > u) {
        std::swap(v, u);
    }
    if (v < L && u < Rt) {
        target.hScroll = ClampHorzPos(std::int64_t{hScroll} + v - L, layout);
    } else if (v > L && u >= Rt) {
        target.hScroll = ClampHorzPos(std::int64_t{hScroll} + u - Rt + L, layout);
    }
    return target;
}

}  // namespace dumpedit
