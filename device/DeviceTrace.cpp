// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceTrace.h"

#include <cstdio>

#include "device/DeviceZaqTypes.h"

namespace device {

namespace {

std::string Hex(std::uint32_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", unsigned(value));
    return text;
}

// The byte being sent when an echo failed.
std::string DescribeSentByte(const TracePlace& place)
{
    switch (place.step) {
    case TraceStep::Pulse1:
        return "wake-up pulse 1";
    case TraceStep::Pulse2:
        return "wake-up pulse 2";
    case TraceStep::Trailer:
        return "byte " + std::to_string(place.sentByte) + " of the trailer";
    default:
        return "byte " + std::to_string(place.sentByte) + " of the " + DescribeStep(place) + " request";
    }
}

}  // namespace

std::string DescribeStep(const TracePlace& place)
{
    switch (place.step) {
    case TraceStep::None:
        return "opening";
    case TraceStep::Pulse1:
        return "wake-up pulse 1";
    case TraceStep::Pulse2:
        return "wake-up pulse 2";
    case TraceStep::Start:
        return "connection start";
    case TraceStep::Identify:
        return "identification";
    case TraceStep::Read:
        return "read of " + Hex(place.address);
    case TraceStep::Write:
        return "write of " + Hex(place.address) + ", step " + std::to_string(place.writeStep);
    case TraceStep::Stop:
        return "connection stop";
    case TraceStep::Trailer:
        return "trailer";
    }
    return {};
}

std::string DescribeEnd(const TraceEnd& end)
{
    const TracePlace& place = end.place;
    switch (end.result) {
    case ResultOk:
        return "ok";
    case ResultPortError:
        return "the port cannot be opened";
    case ResultAnswerTimeout:
        if (!place.inAnswer)
            return "stopped in the " + DescribeStep(place);
        return "answer time-out in the " + DescribeStep(place) + ", byte " +
               std::to_string(place.answerByte) + " of the answer";
    case ResultNoAdapter:
        return "no echo for " + DescribeSentByte(place);
    case ResultChecksumError:
        return "checksum error in the answer to the " + DescribeStep(place);
    case ResultRefused: {
        char code[8];
        std::snprintf(code, sizeof code, "%02X", unsigned(end.refusalCode));
        return std::string("refused (code ") + code + ") in the " + DescribeStep(place);
    }
    case ResultLineError:
        return "changed echo for " + DescribeSentByte(place);
    case ResultShortAnswer:
        return "answer too short in the " + DescribeStep(place);
    default:
        return "result " + std::to_string(end.result) + " in the " + DescribeStep(place);
    }
}

}  // namespace device
