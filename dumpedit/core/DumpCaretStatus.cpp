// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpCaretStatus.h"

#include <cstdio>

#include "dumpedit/core/DumpRowText.h"

namespace dumpedit {

std::string CaretStatusText(std::uint32_t pos, std::uint8_t value, std::uint32_t addressDigits)
{
    char bits[9];
    for (int i = 0; i < 8; ++i) {
        bits[i] = (value & (0x80 >> i)) ? '1' : '0';
    }
    bits[8] = '\0';
    char text[96];
    std::snprintf(text, sizeof text, "Addr %s  Value %02X  %u  %s",
                  FormatAddressLabel(pos, addressDigits).c_str(), value, static_cast<unsigned>(value), bits);
    return text;
}

}  // namespace dumpedit
