// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a port name leads to, told apart well enough to notice when it leads elsewhere: a COM
// name's link may be replaced, and without the port map COMn falls back to a built-in port.

#include "platform/SerialDeviceInfo.h"

#include <string>

namespace operation {

struct PortIdentity {
    std::string path;    // the device; empty when the name leads to none
    std::string stable;  // its /dev/serial/by-id name, else its USB identity; empty for neither

    bool operator==(const PortIdentity&) const = default;
};

// The identity of the device at devicePath (links followed) as the system describes it.
PortIdentity IdentityOf(const std::string& devicePath, const platform::SerialDeviceInfo& info);

// What portName leads to now.
PortIdentity ReadPortIdentity(const std::string& portName);

enum class PortChange {
    None,     // the same device, or nothing was there to compare with
    Changed,  // another device
    Vanished  // no device
};

// A device with a stable identity is the same wherever it was enumerated; one without is its path.
PortChange ComparePortIdentity(const PortIdentity& chosen, const PortIdentity& now);

// For the status line: "COM1 now leads to /dev/ttyS0, not to /dev/pts/5 as when it was chosen";
// empty for PortChange::None.
std::string PortChangeText(const std::string& portName, const PortIdentity& chosen, const PortIdentity& now);
// Before an operation: that text and whether to go on with the name.
std::string PortChangeQuestion(const std::string& portName, const PortIdentity& chosen,
                               const PortIdentity& now);

}  // namespace operation
