// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a serial port did not open: the kind of failure, which decides the remedy, the system's own
// text of the errno, and the group that may open the device. The words of the remedies are the
// front ends' (operation/OpenFailureText.h).
#include <cstdint>
#include <string>

namespace platform {

enum class OpenFailureKind {
    NoPermission,
    Missing,
    Busy,
    NotSerial,
    Other
};

// The group that may open a device, whether its mode lets that group read and write it at all,
// and whether the user joined it only after this session began (listed in the group database,
// not yet among the process's groups).
struct DeviceGroup {
    std::string name = "dialout";
    bool groupMayOpen = true;
    bool joinedSinceLogin = false;
};

struct OpenFailureReason {
    OpenFailureKind kind = OpenFailureKind::Other;
    std::string systemText;  // strerror
};

OpenFailureReason ExplainOpenFailure(int err);

// The group owning the device file at `path` (dialout when it cannot be told).
DeviceGroup DeviceGroupOf(const std::string& path);

struct OpenFailure {
    std::string portName;  // as given: "COM3" or a device path
    std::string path;      // the device it leads to; empty when the name leads to none
    int err = 0;
};

// The failure of opening `portName` that ended in `code` on this thread, just now: the errno
// kept with the code, and the device the name leads to.
OpenFailure OpenFailureOf(const std::string& portName, std::uint32_t code);

}  // namespace platform
