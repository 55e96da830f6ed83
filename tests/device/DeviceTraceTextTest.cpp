// SPDX-License-Identifier: GPL-3.0-or-later
// The words a connection's trace begins and ends with, read by someone days later.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "device/DeviceTrace.h"

namespace {

using device::TraceBegin;
using device::TraceEnd;
using device::TracePlace;
using device::TraceStep;

// Local time is what the header shows: each row names the zone it is read in.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
    {
        if (const char* previous = std::getenv("TZ"))
            previous_ = previous;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ScopedTimeZone()
    {
        if (previous_) {
            ::setenv("TZ", previous_->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }

private:
    std::optional<std::string> previous_;
};

TraceBegin Begin(device::DeviceOperation operation, std::uint32_t start, std::uint32_t count,
                 std::string portName, std::string portPath)
{
    TraceBegin begin;
    begin.time = std::chrono::system_clock::from_time_t(1796671527);  // 2026-12-07 19:25:27 UTC
    begin.operation = operation;
    begin.start = start;
    begin.count = count;
    begin.portName = std::move(portName);
    begin.portPath = std::move(portPath);
    return begin;
}

TraceBegin Write(std::uint32_t start, std::uint32_t count, bool backup, bool changedOnly, bool verify)
{
    TraceBegin begin = Begin(device::OpWrite, start, count, "COM3", "/dev/ttyUSB0");
    begin.backup = backup;
    begin.changedOnly = changedOnly;
    begin.verify = verify;
    return begin;
}

TraceEnd End(std::uint16_t result, TracePlace place, bool woken = true,
             std::optional<std::uint32_t> lastByteDone = std::nullopt, std::uint8_t refusalCode = 0)
{
    return TraceEnd{result, refusalCode, place, woken, lastByteDone};
}

TEST(TraceTexts, HeaderAndEndLinesOverEveryResult)
{
    const TracePlace read10Answer3{TraceStep::Read, 0x10, 0, 4, 3, true};
    const TracePlace write40Step4{TraceStep::Write, 0x40, 4, 8, 1, true};
    struct Row {
        const char* zone;
        TraceBegin begin;
        TraceEnd end;
        const char* header;
        const char* endLine;
    };
    const Row rows[] = {
        {"UTC0", Begin(device::OpReadId, 0, 0, "COM3", "/dev/ttyUSB0"),
         End(device::ResultOk, {TraceStep::Trailer, 0, 0, 9}),
         "2026-12-07 19:25:27 +0000  read ID  port COM3 (/dev/ttyUSB0)", "ok"},
        {"XST-3", Begin(device::OpRead, 0, 256, "COM9", ""), End(device::ResultPortError, {}, false),
         "2026-12-07 22:25:27 +0300  read 0x00-0xFF (256 bytes)  port COM9 (no such port)",
         "the port cannot be opened"},
        {"UTC0", Begin(device::OpCompare, 0x10, 16, "/dev/ttyACM0", "/dev/ttyACM0"),
         End(device::ResultAnswerTimeout, read10Answer3),
         "2026-12-07 19:25:27 +0000  compare 0x10-0x1F (16 bytes)  port /dev/ttyACM0",
         "answer time-out in the read of 0x10, byte 3 of the answer"},
        {"UTC0", Write(0x40, 1, false, false, false),
         End(device::ResultNoAdapter, {TraceStep::Pulse1, 0, 0, 1}, false),
         "2026-12-07 19:25:27 +0000  write 0x40 (1 byte)  port COM3 (/dev/ttyUSB0)",
         "no echo for wake-up pulse 1"},
        {"UTC0", Write(0, 256, false, false, true),
         End(device::ResultChecksumError, {TraceStep::Identify, 0, 0, 6}),
         "2026-12-07 19:25:27 +0000  write 0x00-0xFF (256 bytes; verified)  port COM3 (/dev/ttyUSB0)",
         "checksum error in the answer to the identification"},
        {"UTC0", Write(0x40, 2, false, true, true),
         End(device::ResultRefused, write40Step4, true, 0x3F, 0x22),
         "2026-12-07 19:25:27 +0000  write 0x40-0x41 (2 bytes; changed only, verified)  port COM3 "
         "(/dev/ttyUSB0)",
         "refused (code 22) in the write of 0x40, step 4"},
        {"UTC0", Write(0, 256, true, true, true),
         End(device::ResultLineError, {TraceStep::Trailer, 0x24, 4, 2}),
         "2026-12-07 19:25:27 +0000  write 0x00-0xFF (256 bytes; backup first, changed only, verified)  port "
         "COM3 (/dev/ttyUSB0)",
         "changed echo for byte 2 of the trailer"},
        {"UTC0", Write(0, 256, true, false, false),
         End(device::ResultStopped, {TraceStep::Trailer, 0x24, 4, 9}, true, 0x24),
         "2026-12-07 19:25:27 +0000  write 0x00-0xFF (256 bytes; backup first)  port COM3 (/dev/ttyUSB0)",
         "stopped by the user after 0x24; stop frame and trailer sent"},
        {"UTC0", Begin(device::OpRead, 0x10, 0, "COM3", "/dev/ttyUSB0"),
         End(device::ResultStopped, {TraceStep::Trailer, 0, 0, 9}, true),
         "2026-12-07 19:25:27 +0000  read no bytes at 0x10  port COM3 (/dev/ttyUSB0)",
         "stopped by the user before the first byte; stop frame and trailer sent"},
        {"UTC0", Begin(device::OpReadId, 0, 0, "COM3", "/dev/ttyUSB0"), End(device::ResultStopped, {}, false),
         "2026-12-07 19:25:27 +0000  read ID  port COM3 (/dev/ttyUSB0)",
         "stopped by the user before the device was woken; nothing more sent"},
        {"UTC0", Begin(device::OpRead, 0x10, 1, "COM3", "/dev/ttyUSB0"),
         End(device::ResultShortAnswer, read10Answer3),
         "2026-12-07 19:25:27 +0000  read 0x10 (1 byte)  port COM3 (/dev/ttyUSB0)",
         "answer too short in the read of 0x10"},
        {"UTC0", Begin(device::OpRead, 0x10, 1, "COM3", "/dev/ttyUSB0"),
         End(device::ResultUnexpectedAnswer, read10Answer3),
         "2026-12-07 19:25:27 +0000  read 0x10 (1 byte)  port COM3 (/dev/ttyUSB0)",
         "answer to another request in the read of 0x10"},
        // A result this build does not know still says where it happened.
        {"UTC0", Begin(device::OpReadId, 0, 0, "COM3", "/dev/ttyUSB0"), End(42, {TraceStep::Start, 0, 0, 3}),
         "2026-12-07 19:25:27 +0000  read ID  port COM3 (/dev/ttyUSB0)", "result 42 in the connection start"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.header);
        const ScopedTimeZone zone(row.zone);
        EXPECT_EQ(device::DescribeBegin(row.begin), row.header);
        EXPECT_EQ(device::DescribeEnd(row.end), row.endLine);
    }
}

}  // namespace
