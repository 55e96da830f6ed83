// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SerialPortList.h"

#include "platform/ErrorCodes.h"
#include "platform/OpenFailure.h"
#include "platform/PortNames.h"
#include "platform/SerialBackend.h"

#include <algorithm>
#include <optional>
#include <strings.h>

namespace platform {

namespace {

// The entry's availability, or nothing when the port is not there to be listed.
std::optional<PortAvailability> AvailabilityOf(int err)
{
    if (err == 0)
        return PortAvailability::Free;
    switch (ExplainOpenFailure(err).kind) {
    case OpenFailureKind::Busy:
        return PortAvailability::Busy;
    case OpenFailureKind::NoPermission:
        return PortAvailability::NoAccess;
    default:
        return std::nullopt;
    }
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
    return ListPorts(ListSerialDevices(roots.sysClassTty), ProbePortOpen, roots);
}

std::vector<PortEntry> ListPorts(const std::vector<std::string>& devicePaths, const PortOpenProbe& probe,
                                 const SysfsRoots& roots)
{
    std::vector<PortEntry> comEntries;
    for (unsigned n = 1; n <= kListedComPorts; ++n) {
        const std::string name = ComName(n);
        const std::string path = DevicePathOf(name);
        if (path.empty())
            continue;
        const auto availability = AvailabilityOf(probe(name));
        if (!availability)
            continue;
        comEntries.push_back({name, name, path, {}, *availability});
    }
    std::stable_sort(comEntries.begin(), comEntries.end(), [](const PortEntry& a, const PortEntry& b) {
        return strcasecmp(a.name.c_str(), b.name.c_str()) < 0;
    });

    std::vector<PortEntry> entries = std::move(comEntries);
    for (const std::string& path : devicePaths) {
        const bool reached = std::any_of(entries.begin(), entries.end(),
                                         [&path](const PortEntry& entry) { return entry.path == path; });
        if (reached)
            continue;
        const auto availability = AvailabilityOf(probe(path));
        if (availability)
            entries.push_back({path, {}, path, {}, *availability});
    }
    for (PortEntry& entry : entries)
        entry.description = DescribeSerialDevice(entry.path, ReadSerialDeviceInfo(entry.path, roots));
    return entries;
}

}  // namespace platform
