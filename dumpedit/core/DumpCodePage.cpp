// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpCodePage.h"

namespace dumpedit {

namespace {

// Windows-1251 0xA0..0xBF; 0xC0..0xFF are the contiguous Cyrillic letters U+0410..U+044F.
constexpr char16_t kCp1251A0[32] = {
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404,
    0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5,
    0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

}  // namespace

bool IsPrintableByte(std::uint8_t byte)
{
    return (byte >= 0x20 && byte <= 0x7E) || byte >= 0xA0;
}

char16_t GlyphForByte(std::uint8_t byte)
{
    if (byte >= 0xC0) {
        return static_cast<char16_t>(0x0410 + (byte - 0xC0));
    }
    if (byte >= 0xA0) {
        return kCp1251A0[byte - 0xA0];
    }
    return static_cast<char16_t>(byte);
}

}  // namespace dumpedit
