// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dumpedit/core/DumpGeometry.h"

#include <cstdint>

namespace dumpedit {

// Options that shape the layout, as the control holds them.
struct DumpLayoutOptions {
    std::uint32_t size = 0;
    std::uint32_t configuredBytesPerRow = 16;
    bool autoFitRow = false;
    std::uint32_t addressDigits = 8;
    bool showAddress = false;
    bool showChars = false;
    bool multiline = false;
};

// Everything derived from the options, two font metrics and the client size.
// Column x positions are content coordinates: client x = textRect.left + x - hScroll.
struct DumpLayout {
    int charWidth = 1;
    int lineHeight = 1;
    Rect textRect;
    std::uint32_t fullRows = 0;
    std::uint32_t visibleRows = 0;
    int lastRowHeight = 1;
    std::uint32_t bytesPerRow = 1;
    int addressX = 0;
    int addressWidth = 0;
    int hexX = 0;
    int hexWidth = 0;
    int charsX = 0;
    int charsWidth = 0;
    int contentWidth = 0;
    std::uint32_t maxTopRow = 0;
    int maxHScroll = 0;
};

// Margin around the text under the multi-line style, and the gap after the address and hex columns.
inline constexpr int kTextMargin = 5;
inline constexpr int kColumnGap = 5;
// How far the mark outline reaches past the sides of the text.
inline constexpr int kOutlineReach = 2;

DumpLayout ComputeDumpLayout(const DumpLayoutOptions& options, int charWidth, int lineHeight, int clientWidth,
                             int clientHeight);

// The band of client area that shows the row holding byte `index`, across the text and the mark
// outline beside it, cut at the text's bottom. Empty when the row is out of view or the byte
// lies beyond `size`.
Rect ByteRowRect(const DumpLayout& layout, std::uint32_t topRow, std::uint32_t size, std::uint32_t index);

// Whether a paint of client lines [areaTop, areaBottom) needs the row whose top is `rowTop`. A
// line either side of the row counts too, for glyphs that reach past their row.
bool RowMeetsPaintArea(const DumpLayout& layout, int rowTop, int areaTop, int areaBottom);

}  // namespace dumpedit
