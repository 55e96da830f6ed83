#pragma once

// Which string-table entry tells the user about an engine result, so the window application
// and probex-cli say exactly the same thing.

#include "res/ResourceIds.h"

#include <cstdint>

namespace res {

// The message for a failed device operation; 0 for success and for a result without a message.
ResourceId DeviceResultMessage(std::uint16_t result);

}  // namespace res
