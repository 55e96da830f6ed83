// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace dumpedit {

// The printable test on a byte taken as a Latin-1 code point: letters, digits, punctuation, blanks.
bool IsPrintableByte(std::uint8_t byte);

// The glyph a byte shows in the character column: ASCII below 0x80, Windows-1251 from 0xA0 on
// (the code page of the program's own texts).
char16_t GlyphForByte(std::uint8_t byte);

}  // namespace dumpedit
