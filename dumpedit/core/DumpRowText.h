// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "dumpedit/core/DumpLayout.h"

namespace dumpedit {

// The rows a paint touches: byte `first` up to and including `last`, row starts `bytesPerRow` apart.
// The last row may lie just below the visible ones; the clip hides it.
struct PaintRowRange {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    bool empty = true;
};

PaintRowRange RowsToPaint(const DumpLayout& layout, std::uint32_t topRow, std::uint32_t size);

// Exclusive end of the row that starts at `rowStart`.
std::uint32_t RowEnd(const PaintRowRange& range, std::uint32_t rowStart, std::uint32_t bytesPerRow);

// Character columns [begin, end) of the hex row text covered by a byte range.
struct ColumnSpan {
    int begin = 0;
    int end = 0;
    friend bool operator==(const ColumnSpan&, const ColumnSpan&) = default;
};

struct HexRowText {
    std::string text;  // "00 01 ... 0F": two upper-case digits per byte, single spaces
    std::optional<ColumnSpan> selection;
    std::optional<ColumnSpan> mark;
};

// Ranges with an end of kNoByte are "none" and get no span.
HexRowText BuildHexRow(const std::uint8_t* buffer, std::uint32_t rowStart, std::uint32_t rowEnd,
                       std::uint32_t selFirst, std::uint32_t selLast, std::uint32_t markFirst,
                       std::uint32_t markLast);

// One character per byte: its glyph when printable, "." otherwise.
std::u16string BuildCharRow(const std::uint8_t* buffer, std::uint32_t rowStart, std::uint32_t rowEnd);

// Row address label: upper-case hex, zero-padded to at least `digits` digits, at most 31 characters.
std::string FormatAddressLabel(std::uint32_t address, std::uint32_t digits);

}  // namespace dumpedit
