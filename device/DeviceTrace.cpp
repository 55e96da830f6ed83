// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceTrace.h"

#include <cstdio>
#include <ctime>

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

std::string DescribeRange(std::uint32_t start, std::uint32_t count)
{
    if (count == 0)
        return "no bytes at " + Hex(start);
    if (count == 1)
        return Hex(start) + " (1 byte)";
    return Hex(start) + "-" + Hex(start + count - 1) + " (" + std::to_string(count) + " bytes)";
}

std::string DescribeOperation(const TraceBegin& begin)
{
    switch (begin.operation) {
    case OpReadId:
        return "read ID";
    case OpRead:
        return "read " + DescribeRange(begin.start, begin.count);
    case OpCompare:
        return "compare " + DescribeRange(begin.start, begin.count);
    case OpWrite:
        break;
    }
    std::string passes;
    for (const auto& [on, name] :
         {std::pair{begin.backup, "backup first"}, std::pair{begin.changedOnly, "changed only"},
          std::pair{begin.verify, "verified"}}) {
        if (on)
            passes += std::string(passes.empty() ? "" : ", ") + name;
    }
    std::string range = DescribeRange(begin.start, begin.count);
    if (!passes.empty())
        range.insert(range.size() - 1, "; " + passes);
    return "write " + range;
}

std::string DescribePort(const TraceBegin& begin)
{
    if (begin.portPath.empty())
        return "port " + begin.portName + " (no such port)";
    if (begin.portPath == begin.portName)
        return "port " + begin.portName;
    return "port " + begin.portName + " (" + begin.portPath + ")";
}

std::string DescribeStop(const TraceEnd& end)
{
    if (!end.woken)
        return "stopped by the user before the device was woken; nothing more sent";
    const std::string when = end.lastByteDone ? "after " + Hex(*end.lastByteDone) : "before the first byte";
    return "stopped by the user " + when + "; stop frame and trailer sent";
}

}  // namespace

std::string DescribeBegin(const TraceBegin& begin)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(begin.time);
    std::tm local{};
    char when[40] = "";
    if (localtime_r(&seconds, &local))
        std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S %z", &local);
    return std::string(when) + "  " + DescribeOperation(begin) + "  " + DescribePort(begin);
}

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
    case ResultStopped:
        return DescribeStop(end);
    case ResultShortAnswer:
        return "answer too short in the " + DescribeStep(place);
    case ResultBackupFailed:
        return "the backup was not stored, so nothing was written";
    case ResultUnexpectedAnswer:
        return "answer to another request in the " + DescribeStep(place);
    default:
        return "result " + std::to_string(end.result) + " in the " + DescribeStep(place);
    }
}

}  // namespace device
