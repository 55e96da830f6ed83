// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpLayout.h"

#include <algorithm>
#include <cstdint>

namespace dumpedit {

namespace {

// Bytes that fit into width w when each byte takes `cellsPerByte` character cells; a byte whose
// last cell (the separator) does not fit still counts.
std::uint32_t FitBytes(int w, int cw, int cellsPerByte)
{
    if (w < 0) {
        return 1;
    }
    const int step = cellsPerByte * cw;
    std::uint32_t count = static_cast<std::uint32_t>(w / step);
    if (w % step >= (cellsPerByte - 1) * cw) {
        ++count;
    }
    return count;
}

std::uint32_t BytesPerRow(const DumpLayoutOptions& o, int availableWidth, int cw)
{
    std::uint32_t count = o.configuredBytesPerRow;
    if (o.autoFitRow && o.multiline) {
        count = o.showChars ? FitBytes(availableWidth - kColumnGap, cw, 4) : FitBytes(availableWidth, cw, 3);
    }
    if (!o.multiline) {
        count = o.size;
    }
    return std::clamp<std::uint32_t>(count, 1, kMaxBytesPerRow);
}

}  // namespace

DumpLayout ComputeDumpLayout(const DumpLayoutOptions& o, int charWidth, int lineHeight, int clientWidth,
                             int clientHeight)
{
    DumpLayout l;
    // Metrics of zero would divide by zero below; a font always has at least one pixel.
    l.charWidth = std::max(charWidth, 1);
    l.lineHeight = std::max(lineHeight, 1);
    const int cw = l.charWidth;

    Rect& r = l.textRect;
    r = Rect{0, 0, std::max(clientWidth, 0), std::max(clientHeight, 0)};
    if (o.multiline) {
        r.left += kTextMargin;
        r.top += kTextMargin;
        r.right -= kTextMargin;
        r.bottom -= kTextMargin;
        r.right = std::max(r.right, r.left);
        r.bottom = std::max(r.bottom, r.top);
    }

    const int h = r.Height();
    l.fullRows = static_cast<std::uint32_t>(h / l.lineHeight);
    const int rest = h % l.lineHeight;
    l.visibleRows = l.fullRows + (rest > 0 ? 1 : 0);
    l.lastRowHeight = rest > 0 ? rest : l.lineHeight;

    l.addressX = 0;
    l.addressWidth = o.showAddress ? static_cast<int>(o.addressDigits) * cw + kColumnGap : 0;

    l.bytesPerRow = BytesPerRow(o, r.Width() - l.addressWidth, cw);
    const int digitCells = 3 * static_cast<int>(l.bytesPerRow) - 1;

    l.hexX = l.addressX + l.addressWidth;
    l.hexWidth = cw * digitCells + kColumnGap;
    l.contentWidth = l.hexX + cw * digitCells;
    if (o.showChars) {
        l.charsX = l.hexX + l.hexWidth;
        l.charsWidth = static_cast<int>(l.bytesPerRow) * cw;
        l.contentWidth = l.charsX + l.charsWidth;
    }

    const std::uint64_t totalRows = (std::uint64_t{o.size} + l.bytesPerRow - 1) / l.bytesPerRow;
    l.maxTopRow = totalRows > l.fullRows ? static_cast<std::uint32_t>(totalRows - l.fullRows) : 0;

    const int available = r.Width();
    l.maxHScroll = l.contentWidth > available ? l.contentWidth - available : 0;
    return l;
}

Rect ByteRowRect(const DumpLayout& layout, std::uint32_t topRow, std::uint32_t size, std::uint32_t index)
{
    if (index >= size) {
        return {};
    }
    const std::uint32_t row = index / layout.bytesPerRow;
    if (row < topRow || row - topRow >= layout.visibleRows) {
        return {};
    }
    const Rect& text = layout.textRect;
    const int top = text.top + static_cast<int>(row - topRow) * layout.lineHeight;
    return Rect{text.left - kOutlineReach, top, text.right + kOutlineReach,
                std::min(top + layout.lineHeight, text.bottom)};
}

bool RowMeetsPaintArea(const DumpLayout& layout, int rowTop, int areaTop, int areaBottom)
{
    const std::int64_t lh = layout.lineHeight;
    return std::int64_t{rowTop} + 2 * lh > areaTop && std::int64_t{rowTop} - lh < areaBottom;
}

}  // namespace dumpedit
