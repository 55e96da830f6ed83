// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ZaqProtocol.h"

#include <algorithm>
#include <cstdio>

namespace device::zaq {

std::uint8_t FrameChecksum(const std::uint8_t* bytes, std::size_t length)
{
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < length; ++i)
        sum = std::uint8_t(sum + bytes[i]);
    return sum;
}

std::size_t RequestLength(std::uint8_t formatByte)
{
    return std::size_t(formatByte & 0x3F) + 3;
}

std::size_t AnswerChecksumIndex(std::uint8_t formatByte, std::uint8_t lengthByte)
{
    if (IsLongAnswer(formatByte))
        return kLongAnswerHeader + (lengthByte & 0x7F);
    return std::size_t(formatByte & 0x3F) + 3;
}

bool AnswersRequest(const std::uint8_t* requestData, const std::uint8_t* answerData)
{
    const std::uint8_t service = requestData[0];
    if (answerData[0] != std::uint8_t(service + kPositiveAnswerOffset))
        return false;
    return service != kReadService || answerData[kReadAddressData] == requestData[kReadAddressData];
}

std::string FormatIdText(const std::uint8_t* answer)
{
    const std::uint8_t* bytes = answer + AnswerDataIndex(answer[0]) + kZaqProfile.idFirstData;
    // The last two pairs travel in the opposite order to how the ID is written.
    char text[40];
    std::snprintf(text, sizeof text, "MB: %02X%02X%02X %02X %02X %02X%02X %02X%02X", bytes[0], bytes[1],
                  bytes[2], bytes[3], bytes[4], bytes[9], bytes[8], bytes[11], bytes[10]);
    std::string id(text);
    id.insert(7, 1, ' ');
    return id;
}

DeviceIdBytes IdBytes(const std::uint8_t* answer)
{
    const std::uint8_t* bytes = answer + AnswerDataIndex(answer[0]) + kZaqProfile.idFirstData;
    DeviceIdBytes id{};
    std::copy(bytes, bytes + id.size(), id.begin());
    return id;
}

bool ClipRange(std::uint32_t start, std::uint32_t& count)
{
    const std::uint32_t size = kZaqProfile.eepromBytes;
    if (start >= size)
        return false;
    // Compared as a difference so that a huge count cannot wrap the sum below the size.
    if (count > size - start)
        count = size - start;
    return true;
}

}  // namespace device::zaq
