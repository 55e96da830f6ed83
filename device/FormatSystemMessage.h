// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

namespace device {

// The system's text (strerror) for an error code. A code without a text gets a text that names
// its number.
std::string FormatSystemMessage(std::uint32_t code);

}  // namespace device
