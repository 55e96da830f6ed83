// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/OperationSummary.h"

#include "platform/ErrorCodes.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

// The system's number for a port that another program holds (Windows refuses it as access
// denied), and a device path that leads nowhere.
#ifdef _WIN32
constexpr int kPortHeldErrno = 5;
constexpr char kMissingPort[] = "\\\\.\\probex-no-such-port";
#else
constexpr int kPortHeldErrno = EBUSY;
constexpr char kMissingPort[] = "/dev/probex-no-such-port";
#endif

using namespace operation;

TEST(OperationSummary, StatusLineSaysWhatWasDoneAndHowLong)
{
    EXPECT_EQ(StatusSummary({device::OpRead, 0, 256, 256, device::ResultOk, 6.08}),
              "Read 256 bytes in 6.1 s");
    EXPECT_EQ(StatusSummary({device::OpWrite, 0x10, 1, 1, device::ResultOk, 0.96}), "Wrote 1 byte in 1.0 s");
    EXPECT_EQ(StatusSummary({device::OpReadId, 0, 0, 0, device::ResultOk, 1.2}), "ID read in 1.2 s");
    EXPECT_EQ(StatusSummary({device::OpWrite, 0, 256, 86, device::ResultAnswerTimeout, 3.04}),
              "Device answer timeout after 3.0 s");
}

// A write the engine left with the given addresses written; the rest of the range planned only.
OperationRecord Write(std::uint32_t start, std::uint32_t count, std::uint32_t written, std::uint16_t result,
                      bool verify = false, bool changedOnly = false)
{
    OperationRecord record{device::OpWrite, start, count, written, result, 2.0, verify, changedOnly};
    for (std::uint32_t a = start; a < start + count; ++a)
        record.byteState[a] = device::BytePlanned | (a < start + written ? device::ByteWritten : 0);
    return record;
}

TEST(OperationSummary, FailedRangeSaysWhichAddressesWereDoneAndWhichNot)
{
    EXPECT_EQ(RangeSplit(Write(0, 256, 0x56, device::ResultAnswerTimeout)),
              "Bytes 00 - 55 were written, 56 - FF were not.");
    EXPECT_EQ(RangeSplit(Write(0, 256, 0x56, device::ResultStopped)),
              "Bytes 00 - 55 were written, 56 - FF were not.");
    // The engine's account, not a count from the start: a byte whose last step went unanswered
    // is neither written nor unwritten.
    OperationRecord cut = Write(0, 256, 0x56, device::ResultAnswerTimeout);
    cut.byteState[0x56] |= device::ByteWriteCut;
    cut.done = 0x57;
    EXPECT_EQ(RangeSplit(cut),
              "Bytes 00 - 55 were written, 57 - FF were not. Byte 56 may or may not have been written.");
    EXPECT_EQ(RangeSplit({device::OpRead, 0x10, 16, 4, device::ResultChecksumError}),
              "Bytes 10 - 13 were read, 14 - 1F keep their values.");
    EXPECT_EQ(RangeSplit(Write(0x20, 8, 0, device::ResultNoAdapter)), "No byte was written.");
    EXPECT_EQ(RangeSplit({device::OpRead, 0x20, 8, 0, device::ResultPortError}),
              "No byte was read; the dump keeps its values.");
    // Nothing to split: success, an identification, a range that was done before the failure.
    EXPECT_EQ(RangeSplit({device::OpWrite, 0, 256, 256, device::ResultOk}), "");
    EXPECT_EQ(RangeSplit({device::OpReadId, 0, 0, 0, device::ResultAnswerTimeout}), "");
    EXPECT_EQ(RangeSplit(Write(0xF0, 16, 16, device::ResultAnswerTimeout)),
              "Bytes F0 - FF were written; reading them back did not finish.");
    EXPECT_EQ(RangeSplit({device::OpCompare, 0, 256, 3, device::ResultAnswerTimeout}),
              "No byte was compared.");
}

TEST(OperationSummary, WriteOptionsCompareAndStopHaveTheirOwnLines)
{
    EXPECT_EQ(StatusSummary(Write(0, 256, 256, device::ResultOk, true)),
              "Written and verified: 00 - FF (2.0 s)");
    EXPECT_EQ(StatusSummary(Write(0, 256, 0x56, device::ResultStopped, true)), "Stopped after 2.0 s");

    OperationRecord differs = Write(0x10, 4, 4, device::ResultOk, true);
    differs.byteState[0x11] |= device::ByteRead | device::ByteDiffers;
    EXPECT_EQ(StatusSummary(differs), "Verify: 1 byte differs: 11 (2.0 s)");

    // Changed only: two of the range differed and were written.
    OperationRecord changed{device::OpWrite, 0, 256, 0, device::ResultOk, 1.04, true, true};
    changed.byteState[0x10] = changed.byteState[0x7F] = device::BytePlanned | device::ByteWritten;
    EXPECT_EQ(StatusSummary(changed), "Wrote and verified 2 changed bytes of 256 (1.0 s)");
    changed.verify = false;
    EXPECT_EQ(StatusSummary(changed), "Wrote 2 changed bytes of 256 (1.0 s)");

    // A compare lists a few addresses and cuts a long list short.
    OperationRecord compare{device::OpCompare, 0, 256, 256, device::ResultOk, 6.08};
    EXPECT_EQ(StatusSummary(compare), "No byte differs (256 compared) - 6.1 s");
    for (std::uint32_t a : {0x10u, 0x11u, 0x7Fu})
        compare.byteState[a] = device::ByteRead | device::ByteDiffers;
    EXPECT_EQ(StatusSummary(compare), "3 bytes differ: 10, 11, 7F - 6.1 s");
    for (std::uint32_t a = 0x20; a < 0x30; ++a)
        compare.byteState[a] = device::ByteRead | device::ByteDiffers;
    EXPECT_EQ(StatusSummary(compare), "19 bytes differ: 10, 11, 20, 21, 22, 23, 24, 25, ... - 6.1 s");
}

// Both front ends list at most kVerifyLines differences and count the rest in one line.
TEST(OperationSummary, VerifyListIsCappedAlike)
{
    for (const std::uint32_t differing : {16u, 17u, 40u}) {
        OperationRecord record = Write(0, 256, 256, device::ResultOk, true);
        for (std::uint32_t a = 0; a < differing; ++a) {
            record.byteState[a] |= device::ByteRead | device::ByteDiffers;
            record.data[a] = 0xAB;
        }
        const std::vector<std::string> lines = VerifyLines(record);
        ASSERT_EQ(lines.size(), differing > kVerifyLines ? kVerifyLines + 1 : differing) << differing;
        EXPECT_EQ(lines.front(), "0x00: wrote AB, read 00");
        if (differing > kVerifyLines) {
            EXPECT_EQ(lines.back(), "... and " + std::to_string(differing - kVerifyLines) + " more.");
        }
    }
}

TEST(OperationSummary, CompareAndChangedOnlyCountsComeFromTheEnginesAccount)
{
    OperationRecord compare{device::OpCompare, 0x10, 0x20, 0x20, device::ResultOk, 1.0};
    EXPECT_EQ(CompareText(compare), "No byte differs (32 compared)");
    compare.byteState[0x11] = compare.byteState[0x2F] = device::ByteRead | device::ByteDiffers;
    compare.byteState[0x30] = device::ByteRead | device::ByteDiffers;  // outside the range
    EXPECT_EQ(CompareText(compare), "2 bytes differ: 11, 2F");

    OperationRecord changed = Write(0, 256, 3, device::ResultOk, true, true);
    EXPECT_EQ(WrittenCount(changed), 3u);
    EXPECT_EQ(ChangedOnlyText(changed), "Wrote 3 of 256 bytes; the others already held the dump's values");
}

// A record that ended inside `pass` after `passDone` of its addresses; `states` over the range.
OperationRecord EndedIn(device::DeviceOperation operation, std::uint16_t result, Pass pass,
                        std::uint32_t passDone, std::uint8_t states = 0)
{
    OperationRecord record{operation, 0x10, 0x20, 0, result, 3.04};
    record.endPass = pass;
    record.endPassDone = passDone;
    for (std::uint32_t a = record.start; a < record.start + record.count; ++a)
        record.byteState[a] = states;
    return record;
}

TEST(OperationSummary, FailureNamesItsCauseAndWhereTheOperationStood)
{
    OperationRecord changedOnly = EndedIn(device::OpWrite, device::ResultChecksumError, Pass::Write, 1);
    changedOnly.byteState[0x12] = changedOnly.byteState[0x2E] = device::BytePlanned;
    OperationRecord verify =
        EndedIn(device::OpWrite, device::ResultAnswerTimeout, Pass::Verify, 1, device::BytePlanned);
    verify.byteState[0x14] |= device::ByteWritten;
    verify.byteState[0x15] |= device::ByteWritten;
    OperationRecord refused = EndedIn(device::OpRead, device::ResultRefused, Pass::Read, 0);
    refused.refusalCode = 0x22;
    const std::pair<OperationRecord, std::string> cases[] = {
        {EndedIn(device::OpRead, device::ResultAnswerTimeout, Pass::Read, 0x15),
         "Device answer timeout at 0x25 after 3.0 s"},
        {EndedIn(device::OpWrite, device::ResultNoAdapter, Pass::Write, 3, device::BytePlanned),
         "K-line adapter not present or power off or invalid COM port at 0x13 after 3.0 s"},
        {changedOnly, "Receive check sum error at 0x2E after 3.0 s"},
        {verify, "Device answer timeout at 0x15 after 3.0 s"},
        {EndedIn(device::OpCompare, device::ResultLineError, Pass::Compare, 2),
         "K-line error: a sent byte came back changed at 0x12 after 3.0 s"},
        {refused, "Device refused the request (code 22) at 0x10 after 3.0 s"},
        {EndedIn(device::OpWrite, device::ResultAnswerTimeout, Pass::Backup, 0x05),
         "Device answer timeout at 0x05 after 3.0 s"},
        {EndedIn(device::OpWrite, device::ResultBackupFailed, Pass::None, 0),
         "Nothing was written: the EEPROM backup could not be stored after 3.0 s"},
        // Every address done, the connection failed at its close; or it failed before any range.
        {EndedIn(device::OpRead, device::ResultAnswerTimeout, Pass::Read, 0x20),
         "Device answer timeout after 3.0 s"},
        {EndedIn(device::OpReadId, device::ResultAnswerTimeout, Pass::None, 0),
         "Device answer timeout after 3.0 s"},
        {EndedIn(device::OpRead, device::ResultPortError, Pass::None, 0),
         "Unable to open COM-port after 3.0 s"},
        {EndedIn(device::OpRead, 99, Pass::Read, 0), "Failed after 3.0 s"},
    };
    for (const auto& [record, line] : cases)
        EXPECT_EQ(StatusSummary(record), line);
}

TEST(OperationSummary, StoppedCompareSaysHowFarItGotAndWhatDifferedSoFar)
{
    OperationRecord compare = EndedIn(device::OpCompare, device::ResultStopped, Pass::Compare, 0);
    EXPECT_EQ(StatusSummary(compare), "Stopped after 3.0 s. No byte was compared.");
    for (std::uint32_t a = 0x10; a < 0x18; ++a)
        compare.byteState[a] = device::ByteRead;
    compare.byteState[0x12] |= device::ByteDiffers;
    EXPECT_EQ(StatusSummary(compare), "Stopped after 3.0 s. Bytes 10 - 17 were compared: 1 byte differs: 12");
    EXPECT_EQ(RangeSplit(compare), "Bytes 10 - 17 were compared: 1 byte differs: 12");
    compare.byteState[0x12] = device::ByteRead;
    EXPECT_EQ(RangeSplit(compare), "Bytes 10 - 17 were compared: No byte differs (8 compared)");
}

TEST(OperationSummary, PortThatDidNotOpenIsNamedWithTheReasonAndTheRemedy)
{
    OperationRecord record = EndedIn(device::OpRead, device::ResultPortError, Pass::None, 0);
    record.port = kMissingPort;
    record.openError = platform::ErrorFromErrno(ENOENT);
    EXPECT_EQ(PortFailureText(record), std::string(kMissingPort) + ": " +
                                           *platform::ErrorText(record.openError) +
                                           ". The device is not there: the adapter is unplugged, or the port "
                                           "name is wrong.");
    // The errno the engine kept tells apart what the code cannot (EBUSY and EACCES share one).
    record.openError = platform::kErrorAccessDenied;
    record.openErrno = kPortHeldErrno;
    EXPECT_EQ(PortFailureText(record).rfind(std::string(kMissingPort) + ": " +
                                                platform::ErrnoText(kPortHeldErrno) +
                                                ". Another program holds the port",
                                            0),
              0u);
    record.result = device::ResultAnswerTimeout;
    EXPECT_EQ(PortFailureText(record), "");
}

}  // namespace
