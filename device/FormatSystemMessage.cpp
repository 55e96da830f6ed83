// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/FormatSystemMessage.h"

#include "platform/ErrorCodes.h"

#include <cstdio>

namespace device {

std::string FormatSystemMessage(std::uint32_t code)
{
    if (auto text = platform::ErrorText(code))
        return *text;
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "Unknown error code 0x%X", code);
    return buffer;
}

}  // namespace device
