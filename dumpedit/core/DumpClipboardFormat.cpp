// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpClipboardFormat.h"

#include <algorithm>

namespace dumpedit {

std::vector<std::uint8_t> EncodeBinaryBlock(const std::uint8_t* bytes, std::uint32_t count)
{
    std::vector<std::uint8_t> block(size_t{count} + 4);
    for (int i = 0; i < 4; ++i) {
        block[static_cast<size_t>(i)] = static_cast<std::uint8_t>(count >> (8 * i));
    }
    std::copy(bytes, bytes + count, block.begin() + 4);
    return block;
}

std::optional<BinaryBlockView> DecodeBinaryBlock(const std::vector<std::uint8_t>& block)
{
    if (block.size() < 4) {
        return std::nullopt;
    }
    std::uint32_t count = 0;
    for (int i = 0; i < 4; ++i) {
        count |= std::uint32_t{block[static_cast<size_t>(i)]} << (8 * i);
    }
    const size_t present = block.size() - 4;
    return BinaryBlockView{block.data() + 4, static_cast<std::uint32_t>(std::min<size_t>(count, present))};
}

std::string SelectionText(const std::uint8_t* buffer, std::uint32_t first, std::uint32_t last,
                          std::uint32_t bytesPerRow)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const std::uint32_t B = std::max<std::uint32_t>(bytesPerRow, 1);
    std::uint32_t column = (last - first > B) ? first % B : 0;
    std::string text;
    text.reserve(size_t{last - first + 1} * 3 + size_t{column} * 3 + (last - first) / B + 2);
    text.append(size_t{column} * 3, ' ');
    bool lineEmpty = true;
    for (std::uint64_t pos = first; pos <= last; ++pos) {
        if (!lineEmpty) {
            text.push_back(' ');
        }
        const std::uint8_t byte = buffer[pos];
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0x0F]);
        lineEmpty = false;
        if (++column == B || pos == last) {
            text.push_back('\n');
            column = 0;
            lineEmpty = true;
        }
    }
    return text;
}

}  // namespace dumpedit
