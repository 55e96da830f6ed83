// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpSearch.h"

#include <algorithm>
#include <string>

#include "dumpedit/core/DumpCodePage.h"
#include "dumpedit/core/DumpHexText.h"

namespace dumpedit {

namespace {
std::optional<std::uint8_t> ByteShowing(char16_t c)
{
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (IsPrintableByte(static_cast<std::uint8_t>(byte)) &&
            GlyphForByte(static_cast<std::uint8_t>(byte)) == c) {
            return static_cast<std::uint8_t>(byte);
        }
    }
    return std::nullopt;
}
}  // namespace

std::optional<std::vector<std::uint8_t>> ParseFindQuery(std::u16string_view query)
{
    if (query.empty()) {
        return std::nullopt;
    }
    const bool quoted = query.size() >= 2 && query.front() == u'"' && query.back() == u'"';
    if (!quoted) {
        std::string narrow;
        bool ascii = true;
        for (const char16_t c : query) {
            ascii = ascii && c < 0x80;
            narrow.push_back(static_cast<char>(c));
        }
        if (ascii) {
            if (std::optional<std::vector<std::uint8_t>> bytes = ParseHexBytes(narrow)) {
                return bytes;
            }
        }
    } else {
        query = query.substr(1, query.size() - 2);
        if (query.empty()) {
            return std::nullopt;
        }
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(query.size());
    for (const char16_t c : query) {
        const std::optional<std::uint8_t> byte = ByteShowing(c);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(*byte);
    }
    return bytes;
}

std::optional<std::uint32_t> FindBytes(const std::uint8_t* buffer, std::uint32_t size,
                                       const std::vector<std::uint8_t>& pattern, std::uint32_t from)
{
    if (buffer == nullptr || pattern.empty() || pattern.size() > size) {
        return std::nullopt;
    }
    const std::uint8_t* end = buffer + size;
    const auto search = [&](const std::uint8_t* begin) -> std::optional<std::uint32_t> {
        const std::uint8_t* hit = std::search(begin, end, pattern.begin(), pattern.end());
        if (hit == end) {
            return std::nullopt;
        }
        return static_cast<std::uint32_t>(hit - buffer);
    };
    if (from < size) {
        if (const std::optional<std::uint32_t> hit = search(buffer + from)) {
            return hit;
        }
    }
    return search(buffer);
}

}  // namespace dumpedit
