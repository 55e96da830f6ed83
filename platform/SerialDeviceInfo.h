// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What sysfs says is behind a serial device: the USB product and maker, the driver, the FTDI
// latency timer, and the stable /dev/serial/by-id name pointing at it.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Where the system keeps what is read here; tests point them at a tree of their own.
struct SysfsRoots {
    std::string sysClassTty = "/sys/class/tty";
    std::string serialById = "/dev/serial/by-id";
};

struct SerialDeviceInfo {
    std::string ttyName;   // "ttyUSB0"
    bool present = false;  // the device node exists
    bool inSysfs = false;
    std::string driver;  // "ftdi_sio", "ch341", "pl2303", "cdc_acm"; empty when none is bound
    bool usb = false;
    std::string product;       // "FT232R USB UART"
    std::string manufacturer;  // "FTDI"
    std::string vendorId;      // "0403"
    std::string productId;     // "6001"
    std::string serialNumber;
    std::string byIdName;  // "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"
    std::optional<std::uint32_t> latencyTimerMs;
    std::string latencyTimerPath;  // the sysfs file, when there is one
};

// The information about the device at `devicePath` ("/dev/ttyUSB0"; links already followed).
SerialDeviceInfo ReadSerialDeviceInfo(const std::string& devicePath, const SysfsRoots& roots = {});

// One short line: "FT232R USB UART (FTDI), ftdi_sio, usb-FTDI_...-if00-port0"; "pseudo-terminal"
// for a /dev/pts device; the driver alone for a built-in port; empty when nothing is known.
std::string DescribeSerialDevice(const std::string& devicePath, const SerialDeviceInfo& info);

}  // namespace platform
