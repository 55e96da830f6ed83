// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which string-table entry tells the user about an engine result, so the window application
// and probex-cli say exactly the same thing.

#include "res/ResourceIds.h"

#include <cstdint>
#include <string>

namespace operation {

// The message for a failed device operation; 0 for success and for a result without a message.
res::ResourceId DeviceResultMessage(std::uint16_t result);

// The text of that message, filled in: a refusal names the device's reason code, which the
// engine keeps in refusalCode. Empty when DeviceResultMessage gives 0.
std::string DeviceResultText(std::uint16_t result, std::uint8_t refusalCode);

}  // namespace operation
