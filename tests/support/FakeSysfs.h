// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A temporary folder laid out as sysfs lays out serial devices (class/tty links into a device
// tree, drivers, USB attributes, the FTDI latency timer) with a /dev/serial/by-id beside it.
#include "platform/SerialDeviceInfo.h"

#include <cstdint>
#include <optional>
#include <string>

namespace testsupport {

struct FakeUsbDevice {
    std::string vendorId;
    std::string productId;
    std::string product;  // empty: the attribute is missing
    std::string manufacturer;
    std::string serialNumber;
};

class FakeSysfs {
public:
    FakeSysfs();
    ~FakeSysfs();
    FakeSysfs(const FakeSysfs&) = delete;
    FakeSysfs& operator=(const FakeSysfs&) = delete;

    // A usb-serial port (ttyUSBn: port device under the USB interface) with its driver.
    void AddUsbSerial(const std::string& ttyName, const std::string& driver, const FakeUsbDevice& usb,
                      std::optional<std::uint32_t> latencyTimerMs = std::nullopt);
    // A USB tty whose device is the interface itself (ttyACMn, cdc_acm).
    void AddUsbInterfaceTty(const std::string& ttyName, const std::string& driver, const FakeUsbDevice& usb);
    // A built-in port on a platform device.
    void AddBuiltIn(const std::string& ttyName, const std::string& driver);
    // A virtual terminal: no device behind it.
    void AddVirtual(const std::string& ttyName);
    void AddById(const std::string& name, const std::string& ttyName);

    platform::SysfsRoots Roots() const;
    std::string Root() const { return root_; }

private:
    std::string DriverFolder(const std::string& bus, const std::string& driver);
    std::string UsbDeviceFolder(const FakeUsbDevice& usb);
    void LinkClassEntry(const std::string& ttyName, const std::string& classDeviceFolder);

    std::string root_;
    int usbDevices_ = 0;
};

}  // namespace testsupport
