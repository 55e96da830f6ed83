// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpCaretGeometry.h"

namespace dumpedit {

std::optional<Rect> CaretRect(std::uint32_t pos, bool high, const DumpLayout& layout, std::uint32_t topRow,
                              int hScroll)
{
    const std::uint64_t B = layout.bytesPerRow;
    const std::uint64_t viewFirst = std::uint64_t{topRow} * B;
    if (pos < viewFirst || pos >= (std::uint64_t{topRow} + layout.visibleRows) * B) {
        return std::nullopt;
    }
    const int cw = layout.charWidth;
    const int lh = layout.lineHeight;
    const Rect& text = layout.textRect;
    const auto row = static_cast<std::uint32_t>((pos - viewFirst) / B);
    const auto col = static_cast<int>((pos - viewFirst) % B);
    const int h = row == layout.visibleRows - 1 ? layout.lastRowHeight : lh;

    int x = text.left + layout.hexX - hScroll + cw * (3 * col + (high ? 0 : 1));
    const int y = text.top + static_cast<int>(row) * lh + 1;
    int w = cw;
    if (x + cw <= text.left - 2 || x > text.right) {
        return std::nullopt;
    }
    if (x < text.left - 2) {
        w = x - text.left + cw + 2;
        x = text.left - 2;
    }
    if (x + w > text.right + 2) {
        w = text.right - x + 2;
    }
    return Rect{x, y, x + w, y + h - 1};
}

}  // namespace dumpedit
