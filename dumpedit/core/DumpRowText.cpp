// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpRowText.h"

#include <algorithm>
#include <cstdio>

#include "dumpedit/core/DumpCodePage.h"

namespace dumpedit {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Walks the row byte by byte the way the painter marks a range's start and end columns.
class SpanTracker {
public:
    SpanTracker(std::uint32_t first, std::uint32_t last)
        : first_(first), last_(last), active_(first != kNoByte && last != kNoByte)
    {}

    void Visit(std::uint32_t pos, int i, bool rowStart)
    {
        if (!active_) {
            return;
        }
        if (rowStart && first_ <= pos && pos <= last_) {
            begin_ = 0;
        }
        if (pos == first_) {
            begin_ = 3 * i;
        }
        if (pos == last_) {
            if (begin_ == kUnset) {
                begin_ = 0;
            }
            end_ = 3 * i + 2;
        }
    }

    std::optional<ColumnSpan> Result(int textLength) const
    {
        if (begin_ == kUnset) {
            return std::nullopt;
        }
        return ColumnSpan{begin_, end_ == kUnset ? textLength : end_};
    }

private:
    std::uint32_t first_;
    std::uint32_t last_;
    static constexpr int kUnset = -1;
    bool active_;
    int begin_ = kUnset;
    int end_ = kUnset;
};

}  // namespace

PaintRowRange RowsToPaint(const DumpLayout& layout, std::uint32_t topRow, std::uint32_t size)
{
    PaintRowRange range;
    const std::uint64_t first = std::uint64_t{topRow} * layout.bytesPerRow;
    if (size == 0 || first >= size) {
        return range;
    }
    const std::uint64_t last =
        std::min<std::uint64_t>(first + std::uint64_t{layout.visibleRows} * layout.bytesPerRow, size - 1);
    range.first = static_cast<std::uint32_t>(first);
    range.last = static_cast<std::uint32_t>(last);
    range.empty = false;
    return range;
}

std::uint32_t RowEnd(const PaintRowRange& range, std::uint32_t rowStart, std::uint32_t bytesPerRow)
{
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(std::uint64_t{rowStart} + bytesPerRow, std::uint64_t{range.last} + 1));
}

HexRowText BuildHexRow(const std::uint8_t* buffer, std::uint32_t rowStart, std::uint32_t rowEnd,
                       std::uint32_t selFirst, std::uint32_t selLast, std::uint32_t markFirst,
                       std::uint32_t markLast)
{
    HexRowText row;
    const int count = static_cast<int>(rowEnd - rowStart);
    row.text.reserve(count > 0 ? 3 * count - 1 : 0);
    SpanTracker selection(selFirst, selLast);
    SpanTracker mark(markFirst, markLast);
    for (int i = 0; i < count; ++i) {
        const std::uint32_t pos = rowStart + static_cast<std::uint32_t>(i);
        if (i > 0) {
            row.text.push_back(' ');
        }
        const std::uint8_t byte = buffer[pos];
        row.text.push_back(kHexDigits[byte >> 4]);
        row.text.push_back(kHexDigits[byte & 0x0F]);
        selection.Visit(pos, i, i == 0);
        mark.Visit(pos, i, i == 0);
    }
    const int length = static_cast<int>(row.text.size());
    row.selection = selection.Result(length);
    row.mark = mark.Result(length);
    return row;
}

std::u16string BuildCharRow(const std::uint8_t* buffer, std::uint32_t rowStart, std::uint32_t rowEnd)
{
    std::u16string row;
    row.reserve(rowEnd - rowStart);
    for (std::uint32_t pos = rowStart; pos < rowEnd; ++pos) {
        const std::uint8_t byte = buffer[pos];
        row.push_back(IsPrintableByte(byte) ? GlyphForByte(byte) : u'.');
    }
    return row;
}

std::string FormatAddressLabel(std::uint32_t address, std::uint32_t digits)
{
    char label[32];
    std::snprintf(label, sizeof label, "%0*X", static_cast<int>(std::min<std::uint32_t>(digits, 255)),
                  address);
    return label;
}

}  // namespace dumpedit
