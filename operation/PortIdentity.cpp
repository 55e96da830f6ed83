// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/PortIdentity.h"

#include "operation/FormatText.h"
#include "platform/PortNames.h"

namespace operation {

namespace {

std::string Described(const PortIdentity& identity)
{
    return identity.stable.empty() ? identity.path : identity.path + " (" + identity.stable + ")";
}

}  // namespace

PortIdentity IdentityOf(const std::string& devicePath, const platform::SerialDeviceInfo& info)
{
    if (devicePath.empty() || !info.present)
        return {};
    PortIdentity identity{devicePath, info.byIdName};
    if (identity.stable.empty() && info.usb) {
        identity.stable = "USB " + info.vendorId + ":" + info.productId;
        if (!info.serialNumber.empty())
            identity.stable += " " + info.serialNumber;
    }
    return identity;
}

PortIdentity ReadPortIdentity(const std::string& portName)
{
    const std::string path = platform::DevicePathOf(portName);
    return IdentityOf(path, platform::ReadSerialDeviceInfo(path));
}

PortChange ComparePortIdentity(const PortIdentity& chosen, const PortIdentity& now)
{
    if (chosen.path.empty())
        return PortChange::None;
    if (now.path.empty())
        return PortChange::Vanished;
    // An adapter plugged in again may come back under another ttyUSB number.
    if (!chosen.stable.empty() || !now.stable.empty())
        return chosen.stable == now.stable ? PortChange::None : PortChange::Changed;
    return chosen.path == now.path ? PortChange::None : PortChange::Changed;
}

std::string PortChangeText(const std::string& portName, const PortIdentity& chosen, const PortIdentity& now)
{
    switch (ComparePortIdentity(chosen, now)) {
    case PortChange::Changed:
        return FormatText(res::IDS_PORT_LEADS_ELSEWHERE, portName, Described(now), Described(chosen));
    case PortChange::Vanished:
        return FormatText(res::IDS_PORT_LEADS_NOWHERE, portName, Described(chosen));
    default:
        return {};
    }
}

std::string PortChangeQuestion(const std::string& portName, const PortIdentity& chosen,
                               const PortIdentity& now)
{
    return PortChangeText(portName, chosen, now) + '\n' + FormatText(res::IDS_PORT_GO_ON, portName);
}

}  // namespace operation
