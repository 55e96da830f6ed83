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
    SpanTracker(uint32_t first, uint32_t last)
        : first_(first), last_(last), active_(first != kNoByte && last != kNoByte)
    {}

    void Visit(uint32_t pos, int i, bool rowStart)
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
    uint32_t first_;
    uint32_t last_;
    static constexpr int kUnset = -1;
    bool active_;
    int begin_ = kUnset;
    int end_ = kUnset;
};

}  // namespace

PaintRowRange RowsToPaint(const DumpLayout& layout, uint32_t topRow, uint32_t size)
{
    PaintRowRange range;
    const uint64_t first = uint64_t{topRow} * layout.bytesPerRow;
    if (size == 0 || first >= size) {
        return range;
    }
    const uint64_t last =
        std::min<uint64_t>(first + uint64_t{layout.visibleRows} * layout.bytesPerRow, size - 1);
    range.first = static_cast<uint32_t>(first);
    range.last = static_cast<uint32_t>(last);
    range.empty = false;
    return range;
}

uint32_t RowEnd(const PaintRowRange& range, uint32_t rowStart, uint32_t bytesPerRow)
{
    return static_cast<uint32_t>(
        std::min<uint64_t>(uint64_t{rowStart} + bytesPerRow, uint64_t{range.last} + 1));
}

HexRowText BuildHexRow(const uint8_t* buffer, uint32_t rowStart, uint32_t rowEnd, uint32_t selFirst,
                       uint32_t selLast, uint32_t markFirst, uint32_t markLast)
{
    HexRowText row;
    const int count = static_cast<int>(rowEnd - rowStart);
    row.text.reserve(count > 0 ? 3 * count - 1 : 0);
    SpanTracker selection(selFirst, selLast);
    SpanTracker mark(markFirst, markLast);
    for (int i = 0; i < count; ++i) {
        const uint32_t pos = rowStart + static_cast<uint32_t>(i);
        if (i > 0) {
            row.text.push_back(' ');
        }
        const uint8_t byte = buffer[pos];
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

std::u16string BuildCharRow(const uint8_t* buffer, uint32_t rowStart, uint32_t rowEnd)
{
    std::u16string row;
    row.reserve(rowEnd - rowStart);
    for (uint32_t pos = rowStart; pos < rowEnd; ++pos) {
        const uint8_t byte = buffer[pos];
        row.push_back(IsPrintableByte(byte) ? GlyphForByte(byte) : u'.');
    }
    return row;
}

std::string FormatAddressLabel(uint32_t address, uint32_t digits)
{
    char label[32];
    std::snprintf(label, sizeof label, "%0*X", static_cast<int>(std::min<uint32_t>(digits, 255)), address);
    return label;
}

}  // namespace dumpedit
