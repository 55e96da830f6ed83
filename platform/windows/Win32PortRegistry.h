// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What Windows keeps about its serial ports: the COM names present (the SERIALCOMM map the
// drivers fill in), and what the Device Manager shows for each (its friendly name, maker, driver
// service and hardware id).
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct ComPortDetails {
    std::string friendlyName;  // "USB Serial Port (COM3)"
    std::string manufacturer;  // "FTDI"
    std::string service;       // the driver's service: "FTSER2K", "Serial", "usbser"
    std::string hardwareId;    // "FTDIBUS\\COMPORT&VID_0403&PID_6001", "USB\\VID_1A86&PID_7523&REV_0264"
};

// The COM names of the ports present now, as their drivers registered them.
std::vector<std::string> PresentComNames();

// What the Device Manager knows of the port called `comName` ("COM3"); nothing when it lists no
// such port.
std::optional<ComPortDetails> ComPortDetailsOf(const std::string& comName);

}  // namespace platform
