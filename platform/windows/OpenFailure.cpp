// SPDX-License-Identifier: GPL-3.0-or-later
// Why a COM port did not open, on Windows: the system's code decides the remedy; ports have no
// owner group there.
#include "platform/OpenFailure.h"

#include "platform/ErrorCodes.h"
#include "platform/PortNames.h"

#include <windows.h>

namespace platform {

OpenFailureReason ExplainOpenFailure(int err)
{
    OpenFailureReason reason;
    reason.systemText = ErrnoText(err);
    switch (DWORD(err)) {
    // A port that another program holds is refused with "access denied": serial ports are never
    // shared.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
        reason.kind = OpenFailureKind::Busy;
        break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_GEN_FAILURE:  // an adapter pulled out while its name was still known
    case ERROR_BAD_UNIT:
        reason.kind = OpenFailureKind::Missing;
        break;
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
        reason.kind = OpenFailureKind::NotSerial;
        break;
    default:
        break;
    }
    return reason;
}

DeviceGroup DeviceGroupOf(const std::string&)
{
    // No group rules: whoever is logged on may open a port.
    return {};
}

OpenFailure OpenFailureOf(const std::string& portName, std::uint32_t code)
{
    const int err = SystemErrno(code);
    return {portName, DevicePathOf(portName), err};
}

}  // namespace platform
