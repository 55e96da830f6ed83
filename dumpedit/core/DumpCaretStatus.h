// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dumpedit {

// Where the caret is, for a status line: "Addr 1F  Value 3C  60  00111100" (address with at
// least `addressDigits` digits, then the byte in hex, decimal and binary). The two words come in
// the interface language (UTF-8).
std::string CaretStatusText(std::uint32_t pos, std::uint8_t value, std::uint32_t addressDigits,
                            std::string_view addressWord = "Addr", std::string_view valueWord = "Value");

}  // namespace dumpedit
