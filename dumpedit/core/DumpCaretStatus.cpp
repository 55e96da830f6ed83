// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpCaretStatus.h"

#include <cstdio>

#include "dumpedit/core/DumpRowText.h"

namespace dumpedit {

std::string CaretStatusText(std::uint32_t pos, std::uint8_t value, std::uint32_t addressDigits,
                            std::string_view addressWord, std::string_view valueWord)
{
    char bits[9];
    for (int i = 0; i < 8; ++i) {
        bits[i] = (value & (0x80 >> i)) ? '1' : '0';
    }
    bits[8] = '\0';
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%02X  %u  %s", value, static_cast<unsigned>(value), bits);
    return std::string(addressWord) + " " + FormatAddressLabel(pos, addressDigits) + "  " +
           std::string(valueWord) + " " + numbers;
}

}  // namespace dumpedit
