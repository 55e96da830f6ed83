// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace dumpedit {

// What a find query looks for: hex digit pairs ("3F A0 1B") are bytes; any other text, or text
// in double quotes ("\"cafe\"" looks for the four letters), is its characters in the character
// column's code page. Nothing for an empty query or a character that no byte shows.
std::optional<std::vector<std::uint8_t>> ParseFindQuery(std::u16string_view query);

// The first occurrence of `pattern` starting at `from` or later; when there is none, the first
// one from the buffer's start on (the search wraps once). Nothing when there is none at all.
std::optional<std::uint32_t> FindBytes(const std::uint8_t* buffer, std::uint32_t size,
                                       const std::vector<std::uint8_t>& pattern, std::uint32_t from);

}  // namespace dumpedit
