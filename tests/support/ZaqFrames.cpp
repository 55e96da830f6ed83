// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ZaqFrames.h"

namespace testsupport {

Bytes WithChecksum(Bytes frame)
{
    unsigned sum = 0;
    for (std::uint8_t b : frame)
        sum += b;
    frame.push_back(std::uint8_t(sum));
    return frame;
}

const Bytes kStartFrame{0x81, 0x21, 0xF3, 0x81, 0x16};
const Bytes kIdentifyFrame{0x82, 0x21, 0xF3, 0x3C, 0x00, 0xD2};
const Bytes kStopFrame{0x81, 0x21, 0xF3, 0x82, 0x17};

Bytes ReadFrame(std::uint8_t address)
{
    return WithChecksum({0x84, 0x21, 0xF3, 0x23, 0x00, 0x81, address});
}

Bytes WriteStepFrame(std::uint8_t step, std::uint8_t value)
{
    return WithChecksum({0x85, 0x21, 0xF3, 0x3D, 0x00, 0x00, step, value});
}

std::vector<Bytes> WriteFrames(std::uint8_t address, std::uint8_t value)
{
    return {WriteStepFrame(0x63, value), WriteStepFrame(0x62, address), WriteStepFrame(0x61, 0x00),
            WriteStepFrame(0x60, 0x10)};
}

Bytes Trailer(std::uint8_t flag)
{
    return {0x54, 0x45, 0x53, 0x54, 0x20, 0x45, 0x4E, 0x44, flag};
}

bool IsReadFrame(const Bytes& frame)
{
    return frame.size() == 8 && frame[0] == 0x84 && frame[3] == 0x23;
}

bool IsWriteFrame(const Bytes& frame)
{
    return frame.size() == 9 && frame[0] == 0x85;
}

}  // namespace testsupport
