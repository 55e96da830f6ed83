// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/DeviceResultText.h"

#include "device/DeviceZaqTypes.h"
#include "operation/FormatText.h"

namespace operation {

res::ResourceId DeviceResultMessage(std::uint16_t result)
{
    switch (result) {
    case device::ResultPortError:
        return res::IDS_PORT_ERROR;
    case device::ResultAnswerTimeout:
        return res::IDS_ANSWER_TIMEOUT;
    case device::ResultNoAdapter:
        return res::IDS_NO_ADAPTER;
    case device::ResultChecksumError:
        return res::IDS_CHECKSUM_ERROR;
    case device::ResultRefused:
        return res::IDS_DEVICE_REFUSED;
    case device::ResultLineError:
        return res::IDS_LINE_ERROR;
    case device::ResultStopped:
        return res::IDS_STOPPED;
    case device::ResultShortAnswer:
        return res::IDS_SHORT_ANSWER;
    case device::ResultBackupFailed:
        return res::IDS_BACKUP_NOT_STORED;
    case device::ResultUnexpectedAnswer:
        return res::IDS_UNEXPECTED_ANSWER;
    default:
        return 0;
    }
}

std::string DeviceResultText(std::uint16_t result, std::uint8_t refusalCode)
{
    const res::ResourceId message = DeviceResultMessage(result);
    if (message == 0)
        return {};
    return result == device::ResultRefused ? FormatText(message, unsigned(refusalCode))
                                           : res::LoadString(message);
}

}  // namespace operation
