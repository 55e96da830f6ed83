#pragma once

#include "DumpGeometry.h"

namespace dumpedit {

// Options that shape the layout, as the control holds them.
struct DumpLayoutOptions {
    uint32_t size = 0;
    uint32_t configuredBytesPerRow = 16;
    bool autoFitRow = false;
    uint32_t addressDigits = 8;
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
    uint32_t fullRows = 0;
    uint32_t visibleRows = 0;
    int lastRowHeight = 1;
    uint32_t bytesPerRow = 1;
    int addressX = 0;
    int addressWidth = 0;
    int hexX = 0;
    int hexWidth = 0;
    int charsX = 0;
    int charsWidth = 0;
    int contentWidth = 0;
    uint32_t maxTopRow = 0;
    int maxHScroll = 0;
};

// Margin around the text under the multi-line style, and the gap after the address and hex columns.
inline constexpr int kTextMargin = 5;
inline constexpr int kColumnGap = 5;

DumpLayout ComputeDumpLayout(const DumpLayoutOptions& options, int charWidth, int lineHeight,
                             int clientWidth, int clientHeight);

}  // namespace dumpedit
