// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace dumpedit {

// Bytes written as hex digit pairs: "3F A0 1B", "3fa01b", the editor's own copied text (lines
// indented with blanks, a line feed after each). Blanks (spaces, tabs, line ends) may stand
// between pairs, never inside one. Anything else, an odd digit count or no digits at all
// gives nothing.
std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text);

// An address as hex digits, blanks around allowed; nothing when it is not one or is `size` or
// more.
std::optional<std::uint32_t> ParseHexAddress(std::string_view text, std::uint32_t size);

}  // namespace dumpedit
