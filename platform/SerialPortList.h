// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ports a user may pick, with what is behind each: the COM names among COM1..COM16 that
// lead to a device, sorted as text without regard to case (COM10..COM16 come between COM1 and
// COM2), then the serial devices no COM name reaches, by path in natural order. A port another
// program holds is listed as busy, one the user may not open as such; one that is not there
// (unplugged since, no hardware behind a built-in port, not a serial port) is left out.
// Windows: every COM name the system has (its SERIALCOMM map), sorted the same way, each described
// by what the Device Manager shows ("USB Serial Port (COM3), FTDI, FTSER2K"); no device paths.
#include "platform/SerialDeviceInfo.h"

#include <functional>
#include <string>
#include <vector>

namespace platform {

enum class PortAvailability {
    Free,
    Busy,
    NoAccess
};

struct PortEntry {
    std::string name;     // what to open: the COM name, else the device path
    std::string comName;  // empty when no COM name leads to the device
    std::string path;     // the device behind it
    std::string description;
    PortAvailability availability = PortAvailability::Free;

    bool operator==(const PortEntry&) const = default;
};

// The errno of opening a port now (and closing it again at once); 0 when it opens.
using PortOpenProbe = std::function<int(const std::string& portName)>;

// Opens and closes `portName` through the system's serial backend.
int ProbePortOpen(const std::string& portName);

// `devicePaths`: the serial devices present (ListSerialDevices), offered after the COM names.
std::vector<PortEntry> ListPorts(const std::vector<std::string>& devicePaths, const PortOpenProbe& probe,
                                 const SysfsRoots& roots = {});
// The ports of this machine, each probed by opening it.
std::vector<PortEntry> ListPorts(const SysfsRoots& roots = {});

}  // namespace platform
