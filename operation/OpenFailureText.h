// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A port that did not open, in words a person can act on.
#include "platform/OpenFailure.h"

#include <string>

namespace operation {

// What to do about a failure of this kind; empty when nothing is known.
std::string OpenFailureRemedy(platform::OpenFailureKind kind, const platform::DeviceGroup& group);

// One line naming the port, its device, the system's reason and the remedy:
// "COM3 (/dev/ttyUSB0): Permission denied. Your user may not open ..."
std::string DescribeOpenFailure(const platform::OpenFailure& failure);

}  // namespace operation
