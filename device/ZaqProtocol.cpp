#include "device/ZaqProtocol.h"

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

std::string FormatIdText(const std::uint8_t* a)
{
    // Bytes 13/14 and 15/16 travel in the opposite order to how the ID is written.
    char text[40];
    std::snprintf(text, sizeof text, "MB: %02X%02X%02X %02X %02X %02X%02X %02X%02X", a[5], a[6], a[7], a[8],
                  a[9], a[14], a[13], a[16], a[15]);
    std::string id(text);
    id.insert(7, 1, ' ');
    return id;
}

bool ClipRange(std::uint32_t start, std::uint32_t& count)
{
    if (start >= kRequestBound)
        return false;
    // Compared as a difference so that a huge count cannot wrap the sum below the bound.
    if (count > kRequestBound - start)
        count = kRequestBound - start;
    return true;
}

}  // namespace device::zaq
