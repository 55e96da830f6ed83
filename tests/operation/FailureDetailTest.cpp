// SPDX-License-Identifier: GPL-3.0-or-later
// The line under a failed operation's message: what happened, where, how long it was awaited.
#include "operation/FailureDetail.h"

#include "platform/ErrorCodes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

using namespace operation;
using device::TracePlace;
using device::TraceStep;

struct Ending {
    std::uint16_t result;
    TracePlace place;
    std::uint32_t echoes = 0;
    std::uint32_t portError = 0;
    device::DeviceOperation operation = device::OpWrite;
    Pass pass = Pass::Write;
};

OperationRecord Ended(const Ending& ending)
{
    OperationRecord record{ending.operation, 0x10, 0x20, 0, ending.result, 4.2};
    record.timeoutMs = 3000;
    record.endPass = ending.pass;
    record.end.result = ending.result;
    record.end.place = ending.place;
    record.end.echoes = ending.echoes;
    record.end.portError = ending.portError;
    return record;
}

TEST(FailureDetail, SaysWhatHappenedAtWhichStepAndByte)
{
    const TracePlace identifyByte5{TraceStep::Identify, 0, 0, 5, 0, false};
    const TracePlace writeStep2Byte3{TraceStep::Write, 0x25, 2, 3, 0, false};
    const TracePlace readAnswerByte1{TraceStep::Read, 0x25, 0, 8, 1, true};
    const TracePlace pulse1{TraceStep::Pulse1};
    // The system's own text for the code, strerror(EIO) on POSIX.
    const std::string hungUp = *platform::ErrorText(platform::kErrorIoDevice);
    const struct {
        const char* what;
        Ending ending;
        std::string detail;
    } cases[] = {
        {"a byte lost on a line that echoed",
         {device::ResultNoAdapter, identifyByte5, 11},
         "Waited 1.0 s for the echo of byte 5 sent in the identification; it did not come. The adapter "
         "had echoed 11 bytes of this connection before it."},
        {"no echo at all",
         {device::ResultNoAdapter, pulse1},
         "Waited 1.0 s for the echo of the wake-up pulse 1; it did not come. Nothing was echoed in this "
         "connection."},
        {"unplugged while a write step went out",
         {device::ResultNoAdapter, writeStep2Byte3, 300, platform::kErrorIoDevice},
         "The port went away at byte 3 sent in step 2 of 4 of the write of 0x25 (" + hungUp +
             "): the adapter was unplugged or its connection to the computer broke."},
        {"unplugged while an answer came",
         {device::ResultAnswerTimeout,
          {TraceStep::Identify, 0, 0, 6, 2, true},
          20,
          platform::kErrorIoDevice,
          device::OpReadId,
          Pass::None},
         "The port went away at byte 2 of the answer in the identification (" + hungUp +
             "): the adapter was unplugged or its connection to the computer broke."},
        {"a changed echo",
         {device::ResultLineError, writeStep2Byte3, 40},
         "The echo of byte 3 sent in step 2 of 4 of the write of 0x25 came back changed."},
        {"a time-out in the verify",
         {device::ResultAnswerTimeout, readAnswerByte1, 90, 0, device::OpWrite, Pass::Verify},
         "Waited 3.0 s for byte 1 of the answer in the verify's read of 0x25; it did not come."},
        {"a time-out in the backup",
         {device::ResultAnswerTimeout, readAnswerByte1, 90, 0, device::OpWrite, Pass::Backup},
         "Waited 3.0 s for byte 1 of the answer in the backup's read of 0x25; it did not come."},
        {"a time-out before a changed-only write",
         {device::ResultAnswerTimeout, readAnswerByte1, 90, 0, device::OpWrite, Pass::Compare},
         "Waited 3.0 s for byte 1 of the answer in the read of 0x25 that finds the changed bytes; it did "
         "not come."},
        {"a time-out in a plain compare",
         {device::ResultAnswerTimeout, readAnswerByte1, 90, 0, device::OpCompare, Pass::Compare},
         "Waited 3.0 s for byte 1 of the answer in the read of 0x25; it did not come."},
        {"a checksum",
         {device::ResultChecksumError, {TraceStep::Start}},
         "The answer in the connection start had a wrong checksum."},
        {"a refusal",
         {device::ResultRefused, writeStep2Byte3},
         "The device refused step 2 of 4 of the write of 0x25."},
        {"a short answer",
         {device::ResultShortAnswer, identifyByte5},
         "The answer in the identification was too short."},
        {"an answer to another request",
         {device::ResultUnexpectedAnswer, {TraceStep::Read, 0x25}},
         "The answer in the read of 0x25 was the answer to another request."},
        {"a trailer byte",
         {device::ResultNoAdapter, {TraceStep::Trailer, 0, 0, 4}, 1},
         "Waited 1.0 s for the echo of byte 4 sent in the trailer; it did not come. The adapter had echoed "
         "1 byte of this connection before it."},
        {"a result without a sentence of its own",
         {42, {TraceStep::Stop}},
         "It happened in the connection stop."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FailureDetail(Ended(c.ending)), c.detail) << c.what;
    // Said otherwise: by the stop's own message, the port's reason, the backup's.
    for (const std::uint16_t result :
         {device::ResultOk, device::ResultStopped, device::ResultPortError, device::ResultBackupFailed})
        EXPECT_EQ(FailureDetail(Ended({result, writeStep2Byte3})), "") << result;
}

}  // namespace
