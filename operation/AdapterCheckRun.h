// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The adapter check as both front ends run it: the check of one port, and what they show of it.

#include "device/AdapterCheck.h"
#include "platform/SerialBackend.h"

#include <string>

namespace operation {

struct AdapterCheckOutcome {
    device::AdapterVerdict verdict = device::AdapterVerdict::CannotOpen;
    std::string report;       // AdapterCheckReport of the findings
    std::string openFailure;  // CannotOpen: the port, the system's reason and the remedy
};

// Checks the adapter on portName without waking the device; a raised stopFd ends the check
// where it is.
AdapterCheckOutcome RunAdapterCheck(const std::string& portName, platform::StopHandle stopFd,
                                    platform::SerialBackend& backend = platform::DefaultSerialBackend());

}  // namespace operation
