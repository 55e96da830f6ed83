// SPDX-License-Identifier: GPL-3.0-or-later
// The port list on Windows: the COM names the system has, each with what the Device Manager shows
// for it. Every port has a COM name, so there are no device paths after them.
#include "platform/SerialPortList.h"

#include "platform/ErrorCodes.h"
#include "platform/OpenFailure.h"
#include "platform/PortNames.h"
#include "platform/SerialBackend.h"
#include "platform/windows/Win32PortRegistry.h"

#include <algorithm>
#include <optional>
#include <string.h>

namespace platform {

namespace {

std::optional<PortAvailability> AvailabilityOf(int err)
{
    if (err == 0)
        return PortAvailability::Free;
    if (ExplainOpenFailure(err).kind == OpenFailureKind::Busy)
        return PortAvailability::Busy;
    return std::nullopt;
}

}  // namespace

int ProbePortOpen(const std::string& portName)
{
    SerialBackend& backend = DefaultSerialBackend();
    const CommHandle handle = backend.CreateFile(portName, false);
    if (handle == kNullHandle)
        return SystemErrno(GetLastError());
    backend.CloseHandle(handle);
    return 0;
}

std::vector<PortEntry> ListPorts(const SysfsRoots& roots)
{
    return ListPorts(PresentComNames(), ProbePortOpen, roots);
}

// `devicePaths`: here the COM names present.
std::vector<PortEntry> ListPorts(const std::vector<std::string>& devicePaths, const PortOpenProbe& probe,
                                 const SysfsRoots& roots)
{
    std::vector<std::string> names;
    for (const std::string& given : devicePaths) {
        const std::string name = CanonicalComName(given);
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return _stricmp(a.c_str(), b.c_str()) < 0; });
    std::vector<PortEntry> entries;
    for (const std::string& name : names) {
        const auto availability = AvailabilityOf(probe(name));
        if (!availability)
            continue;
        const std::string path = DevicePathOf(name);
        entries.push_back(
            {name, name, path, DescribeSerialDevice(path, ReadSerialDeviceInfo(path, roots)), *availability});
    }
    return entries;
}

}  // namespace platform
