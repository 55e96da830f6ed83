// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpHexText.h"

#include "dumpedit/core/DumpEditing.h"

namespace dumpedit {

namespace {
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}
}  // namespace

std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    int high = -1;  // the pair's first digit while waiting for its second
    for (const char c : text) {
        if (IsBlank(c)) {
            if (high >= 0) {
                return std::nullopt;  // a pair split by a blank
            }
            continue;
        }
        const std::optional<std::uint8_t> digit = HexDigitValue(static_cast<unsigned char>(c));
        if (!digit) {
            return std::nullopt;
        }
        if (high >= 0) {
            bytes.push_back(static_cast<std::uint8_t>(high << 4 | *digit));
            high = -1;
        } else {
            high = *digit;
        }
    }
    if (high >= 0 || bytes.empty()) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::uint32_t> ParseHexAddress(std::string_view text, std::uint32_t size)
{
    text = Trimmed(text);
    if (text.empty() || text.size() > 8) {
        return std::nullopt;
    }
    std::uint64_t address = 0;
    for (const char c : text) {
        const std::optional<std::uint8_t> digit = HexDigitValue(static_cast<unsigned char>(c));
        if (!digit) {
            return std::nullopt;
        }
        address = address << 4 | *digit;
    }
    if (address >= size) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(address);
}

}  // namespace dumpedit
