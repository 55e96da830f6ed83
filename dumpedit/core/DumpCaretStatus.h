// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace dumpedit {

// Where the caret is, for a status line: "Addr 1F  Value 3C  60  00111100" (address with at
// least `addressDigits` digits, then the byte in hex, decimal and binary).
std::string CaretStatusText(std::uint32_t pos, std::uint8_t value, std::uint32_t addressDigits);

}  // namespace dumpedit
