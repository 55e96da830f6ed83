#include "dumpedit/core/DumpHitTest.h"

#include <algorithm>

namespace dumpedit {

HitResult HitTest(Point client, const DumpLayout& layout, uint32_t topRow, int hScroll, uint32_t size,
                  bool multiline)
{
    const int cw = layout.charWidth;
    const int lh = layout.lineHeight;
    // Half a cell ahead: the right half of a digit counts as the next cell.
    int64_t x = int64_t{hScroll} + client.x + cw / 2 - (multiline ? kTextMargin : 0);
    int64_t y = int64_t{client.y} - layout.textRect.top;
    y = std::clamp<int64_t>(y, 0, int64_t{lh} * layout.visibleRows);
    x = std::clamp<int64_t>(x, layout.hexX, int64_t{layout.hexX} + layout.hexWidth - kColumnGap);

    const int64_t cell = (x - layout.hexX) / cw;
    HitResult hit;
    hit.high = cell % 3 == 0;
    const uint64_t index =
        static_cast<uint64_t>(cell / 3) + (static_cast<uint64_t>(y / lh) + topRow) * layout.bytesPerRow;
    if (index >= size) {
        hit.index = size - 1;
        hit.high = false;
    } else {
        hit.index = static_cast<uint32_t>(index);
    }
    return hit;
}

}  // namespace dumpedit
