// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

namespace device {

// The system's text for an error code, line break included. A code without a text gets a
// text that names its number.
std::string FormatSystemMessage(std::uint32_t code);

}  // namespace device
