// SPDX-License-Identifier: GPL-3.0-or-later
// Port names on Windows: the system's own COM names, opened as \\.\COMn (which reaches COM10 and
// above too); a name given as \\.\... is used as it is. There is no port map.
#include "platform/PortNames.h"

#include "platform/ErrorCodes.h"
#include "platform/windows/Win32PortRegistry.h"

namespace platform {

namespace {

constexpr char kDevicePrefix[] = "\\\\.\\";

bool IsDevicePath(const std::string& name)
{
    return name.rfind(kDevicePrefix, 0) == 0 && name.size() > sizeof kDevicePrefix - 1;
}

}  // namespace

std::string PortMapFolder()
{
    return {};
}

std::string UnusedComName()
{
    return {};
}

std::variant<std::string, std::uint32_t> ResolvePortName(const std::string& portName)
{
    if (IsDevicePath(portName))
        return portName;
    const std::string name = CanonicalComName(portName);
    if (name.empty())
        return kErrorFileNotFound;
    return kDevicePrefix + name;
}

std::string PortTarget(const std::string& portName)
{
    return DevicePathOf(portName);
}

std::string DevicePathOf(const std::string& portName)
{
    const auto resolved = ResolvePortName(portName);
    const std::string* path = std::get_if<std::string>(&resolved);
    return path ? *path : std::string();
}

std::vector<std::string> ListSerialDevices(const std::string&)
{
    // Every serial port has a COM name here: the list is the names the registry has.
    return PresentComNames();
}

}  // namespace platform
