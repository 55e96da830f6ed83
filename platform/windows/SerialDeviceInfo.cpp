// SPDX-License-Identifier: GPL-3.0-or-later
// What is behind a COM port on Windows, as the Device Manager shows it. `inSysfs` says that the
// system knows the port; a USB adapter's ids come from its hardware id.
#include "platform/SerialDeviceInfo.h"

#include "platform/PathText.h"
#include "platform/PortNames.h"
#include "platform/windows/Win32PortRegistry.h"

namespace platform {

namespace {

// The four hex digits after `key` ("VID_") in a hardware id, upper case; empty when absent.
std::string IdAfter(const std::string& hardwareId, const std::string& key)
{
    const std::size_t at = hardwareId.find(key);
    if (at == std::string::npos || at + key.size() + 4 > hardwareId.size())
        return {};
    std::string id = hardwareId.substr(at + key.size(), 4);
    for (char& c : id)
        c = char(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
    return id;
}

}  // namespace

SerialDeviceInfo ReadSerialDeviceInfo(const std::string& devicePath, const SysfsRoots&)
{
    SerialDeviceInfo info;
    const std::size_t slash = devicePath.find_last_of("\\/");
    info.ttyName = slash == std::string::npos ? devicePath : devicePath.substr(slash + 1);
    const auto details = ComPortDetailsOf(info.ttyName);
    if (!details)
        return info;
    info.inSysfs = true;
    // Names a driver or a device reports are shown as any untrusted name is.
    info.product = PrintableName(details->friendlyName);
    info.manufacturer = PrintableName(details->manufacturer);
    info.driver = PrintableName(details->service);
    info.vendorId = IdAfter(details->hardwareId, "VID_");
    info.productId = IdAfter(details->hardwareId, "PID_");
    info.usb = !info.vendorId.empty() && !info.productId.empty();
    return info;
}

std::string DescribeSerialDevice(const std::string&, const SerialDeviceInfo& info)
{
    // The friendly name says what the port is ("USB Serial Port (COM3)"); the maker and the driver
    // tell adapters of the same name apart.
    std::string text = info.product;
    const auto add = [&text](const std::string& part) {
        if (part.empty())
            return;
        if (!text.empty())
            text += ", ";
        text += part;
    };
    add(info.manufacturer);
    add(info.driver);
    return text;
}

}  // namespace platform
