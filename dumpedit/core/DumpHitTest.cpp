// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpHitTest.h"

#include <algorithm>

namespace dumpedit {

HitResult HitTest(Point client, const DumpLayout& layout, std::uint32_t topRow, int hScroll,
                  std::uint32_t size, bool multiline)
{
    const int cw = layout.charWidth;
    const int lh = layout.lineHeight;
    // Half a cell ahead: the right half of a digit counts as the next cell.
    std::int64_t x = std::int64_t{hScroll} + client.x + cw / 2 - (multiline ? kTextMargin : 0);
    std::int64_t y = std::int64_t{client.y} - layout.textRect.top;
    y = std::clamp<std::int64_t>(y, 0, std::int64_t{lh} * layout.visibleRows);
    x = std::clamp<std::int64_t>(x, layout.hexX, std::int64_t{layout.hexX} + layout.hexWidth - kColumnGap);

    const std::int64_t cell = (x - layout.hexX) / cw;
    HitResult hit;
    hit.high = cell % 3 == 0;
    const std::uint64_t index = static_cast<std::uint64_t>(cell / 3) +
                                (static_cast<std::uint64_t>(y / lh) + topRow) * layout.bytesPerRow;
    if (index >= size) {
        hit.index = size - 1;
        hit.high = false;
    } else {
        hit.index = static_cast<std::uint32_t>(index);
    }
    return hit;
}

}  // namespace dumpedit
