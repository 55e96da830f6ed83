#include "DeviceResultText.h"

#include "device/DeviceZaqTypes.h"

namespace res {

ResourceId DeviceResultMessage(std::uint16_t result) {
  switch (result) {
    case ResultPortError: return IDS_PORT_ERROR;
    case ResultAnswerTimeout: return IDS_ANSWER_TIMEOUT;
    case ResultNoAdapter: return IDS_NO_ADAPTER;
    case ResultChecksumError: return IDS_CHECKSUM_ERROR;
    default: return 0;
  }
}

}  // namespace res
