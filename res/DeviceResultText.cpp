#include "res/DeviceResultText.h"

#include "device/DeviceZaqTypes.h"
#include "res/StringTable.h"

#include <cstdio>

namespace res {

ResourceId DeviceResultMessage(std::uint16_t result)
{
    switch (result) {
    case device::ResultPortError:
        return IDS_PORT_ERROR;
    case device::ResultAnswerTimeout:
        return IDS_ANSWER_TIMEOUT;
    case device::ResultNoAdapter:
        return IDS_NO_ADAPTER;
    case device::ResultChecksumError:
        return IDS_CHECKSUM_ERROR;
    case device::ResultRefused:
        return IDS_DEVICE_REFUSED;
    case device::ResultLineError:
        return IDS_LINE_ERROR;
    case device::ResultStopped:
        return IDS_STOPPED;
    default:
        return 0;
    }
}

std::string DeviceResultText(std::uint16_t result, std::uint8_t refusalCode)
{
    const ResourceId message = DeviceResultMessage(result);
    if (message == 0)
        return {};
    const std::string text = LoadString(message);
    if (result != device::ResultRefused)
        return text;
    char filled[128];
    std::snprintf(filled, sizeof filled, text.c_str(), unsigned(refusalCode));
    return filled;
}

}  // namespace res
