#include "res/DeviceResultText.h"

#include "device/DeviceZaqTypes.h"

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
    default:
        return 0;
    }
}

}  // namespace res
