// SPDX-License-Identifier: GPL-3.0-or-later
// CSerialPort against a scripted backend: call sequences, return codes and record handling.
#include "device/CSerialPort.h"
#include "platform/ErrorCodes.h"
#include "platform/Event.h"
#include "tests/device/FakeSerialBackend.h"

#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace platform;
using testing::ElementsAre;

namespace {

class SerialPortContract : public testing::Test {
protected:
    FakeSerialBackend backend_;
    device::CSerialPort port_{backend_};

    void OpenOverlapped()
    {
        ASSERT_EQ(port_.Open("COM7", 0, 0, true), 0u);
        backend_.calls.clear();
    }
    void OpenPlain()
    {
        ASSERT_EQ(port_.Open("COM7", 0, 0, false), 0u);
        backend_.calls.clear();
    }
};

TEST_F(SerialPortContract, OpenRunsItsStepsInOrderAndSkipsSetupCommWhenBothSizesAreZero)
{
    backend_.timeouts.writeTotalTimeoutConstant = 77;
    ASSERT_EQ(port_.Open("COM7", 0, 0, true), 0u);
    EXPECT_THAT(backend_.calls, ElementsAre("CreateFile COM7 overlapped", "SetCommMask 0xc1",
                                            "GetCommTimeouts", "SetCommTimeouts 0xffffffff 0 0",
                                            "GetDefaultCommConfig COM7 52 52", "SetCommConfig 50"));
    EXPECT_EQ(backend_.timeouts.writeTotalTimeoutConstant, 77u) << "write time-outs keep their values";
    EXPECT_TRUE(port_.IsOverlapped());
    EXPECT_EQ(port_.GetEventMask(), 0xC1u);
}

TEST_F(SerialPortContract, OpenSetsQueueSizesWhenEitherIsGiven)
{
    ASSERT_EQ(port_.Open("COM2", 0, 512, false), 0u);
    EXPECT_THAT(backend_.CallNames(),
                ElementsAre("CreateFile", "SetupComm", "SetCommMask", "GetCommTimeouts", "SetCommTimeouts",
                            "GetDefaultCommConfig", "SetCommConfig"));
    EXPECT_EQ(backend_.calls[1], "SetupComm 0 512");
    EXPECT_FALSE(port_.IsOverlapped());
}

TEST_F(SerialPortContract, OpenIgnoresTheDefaultConfigurationOutcome)
{
    backend_.failures["GetDefaultCommConfig"] = 2;
    EXPECT_EQ(port_.Open("COM7", 0, 0, true), 0u);
    EXPECT_EQ(backend_.Count("SetCommConfig"), 0u);
    EXPECT_TRUE(port_.IsOpen());
}

TEST_F(SerialPortContract, FailedCreateLeavesThePortClosedWithTheSystemCode)
{
    backend_.failures["CreateFile"] = kErrorAccessDenied;
    EXPECT_EQ(port_.Open("COM7", 0, 0, true), kErrorAccessDenied);
    EXPECT_EQ(port_.GetLastErrorCode(), kErrorAccessDenied);
    EXPECT_THAT(backend_.CallNames(), ElementsAre("CreateFile"));
    EXPECT_FALSE(port_.IsOpen());
    EXPECT_FALSE(port_.IsOverlapped());
}

TEST_F(SerialPortContract, SecondOpenReturns1247AndKeepsTheFirst)
{
    OpenOverlapped();
    EXPECT_EQ(port_.Open("COM8", 0, 0, false), kErrorAlreadyInitialized);
    EXPECT_EQ(port_.GetLastErrorCode(), kErrorAlreadyInitialized);
    EXPECT_TRUE(backend_.calls.empty());
    EXPECT_TRUE(port_.IsOpen());
    EXPECT_TRUE(port_.IsOverlapped());
}

TEST_F(SerialPortContract, FailuresAfterCreateCloseThePortAgain)
{
    for (const char* step : {"SetupComm", "SetCommMask", "GetCommTimeouts", "SetCommTimeouts"}) {
        SCOPED_TRACE(step);
        FakeSerialBackend failing;
        failing.failures[step] = kErrorGenFailure;
        device::CSerialPort subject(failing);
        EXPECT_EQ(subject.Open("COM7", 64, 64, true), kErrorGenFailure);
        EXPECT_EQ(subject.GetLastErrorCode(), kErrorGenFailure);
        EXPECT_EQ(failing.Count("CloseHandle"), 1u);
        EXPECT_FALSE(subject.IsOpen());
        EXPECT_FALSE(subject.IsOverlapped());
        EXPECT_EQ(failing.Count("GetDefaultCommConfig"), 0u);
        // The port is free again: the next Open goes to the system instead of reporting 1247.
        failing.failures.clear();
        EXPECT_EQ(subject.Open("COM7", 0, 0, true), 0u);
    }
}

TEST_F(SerialPortContract, ClosedPortAnswersEveryOperationWithItsFailureValue)
{
    EXPECT_EQ(port_.Close(), 0u);
    std::uint8_t byte = 0;
    std::uint32_t count = 99;
    EXPECT_EQ(port_.Write(&byte, 1, &count, nullptr, device::CSerialPort::kInfinite), kErrorInvalidHandle);
    EXPECT_EQ(count, 0u) << "the count is cleared even on a closed port";
    count = 99;
    EXPECT_EQ(port_.Read(&byte, 1, &count, nullptr, device::CSerialPort::kInfinite), kErrorInvalidHandle);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(port_.WriteString("abc", nullptr, nullptr, device::CSerialPort::kInfinite),
              kErrorInvalidHandle);
    EXPECT_EQ(port_.WaitLineEvent(nullptr, device::CSerialPort::kInfinite), kErrorInvalidHandle);
    EXPECT_EQ(port_.SetLineFormat(9600, 8, 0, 0), kErrorInvalidHandle);
    EXPECT_EQ(port_.SetEventChar('x', true), kErrorInvalidHandle);
    EXPECT_EQ(port_.SetEventMask(1), kErrorInvalidHandle);
    EXPECT_EQ(port_.SetHandshake(0), kErrorInvalidHandle);
    EXPECT_EQ(port_.SetReadMode(0), kErrorInvalidHandle);
    EXPECT_EQ(port_.GetBaudRate(), 0xFFFFFFFFu);
    EXPECT_EQ(port_.GetByteSize(), -1);
    EXPECT_EQ(port_.GetParity(), -1);
    EXPECT_EQ(port_.GetStopBits(), -1);
    EXPECT_EQ(port_.GetHandshake(), -1);
    EXPECT_EQ(port_.GetEventMask(), 0u);
    EXPECT_EQ(port_.GetEventChar(), 0u);
    EXPECT_EQ(port_.GetLastErrorCode(), kErrorInvalidHandle);
    EXPECT_TRUE(backend_.calls.empty());
    EXPECT_EQ(port_.Close(), 0u);
    EXPECT_EQ(port_.GetLastErrorCode(), 0u);
}

TEST_F(SerialPortContract, CloseReleasesThePortOnceAndKeepsTheMask)
{
    OpenOverlapped();
    EXPECT_EQ(port_.Close(), 0u);
    EXPECT_EQ(port_.Close(), 0u);
    EXPECT_THAT(backend_.calls, ElementsAre("CloseHandle"));
    EXPECT_FALSE(port_.IsOverlapped());
    EXPECT_EQ(port_.GetEventMask(), 0u) << "closed";
    ASSERT_EQ(port_.Open("COM7", 0, 0, false), 0u);
}

TEST_F(SerialPortContract, DestructorClosesAnOpenPort)
{
    {
        device::CSerialPort local(backend_);
        ASSERT_EQ(local.Open("COM3", 0, 0, true), 0u);
        backend_.calls.clear();
    }
    EXPECT_THAT(backend_.calls, ElementsAre("CloseHandle"));
}

TEST_F(SerialPortContract, OutOfRangeHandshakeAndReadModeChangeNothing)
{
    OpenOverlapped();
    EXPECT_EQ(port_.SetHandshake(3), kEInvalidArg);
    EXPECT_EQ(port_.GetLastErrorCode(), kEInvalidArg);
    EXPECT_EQ(port_.SetReadMode(2), kEInvalidArg);
    EXPECT_EQ(backend_.Count("SetCommState"), 0u);
    EXPECT_EQ(backend_.Count("SetCommTimeouts"), 0u);
}

TEST_F(SerialPortContract, ReadModesSetTheIntervalAndClearTheReadTotals)
{
    OpenOverlapped();
    backend_.timeouts.readTotalTimeoutConstant = 500;
    backend_.timeouts.readTotalTimeoutMultiplier = 5;
    backend_.timeouts.writeTotalTimeoutMultiplier = 9;
    EXPECT_EQ(port_.SetReadMode(1), 0u);
    EXPECT_EQ(backend_.calls.back(), "SetCommTimeouts 0x0 0 0");
    EXPECT_EQ(backend_.timeouts.writeTotalTimeoutMultiplier, 9u);
    EXPECT_EQ(port_.SetReadMode(0), 0u);
    EXPECT_EQ(backend_.calls.back(), "SetCommTimeouts 0xffffffff 0 0");
    backend_.failures["SetCommTimeouts"] = kErrorIoDevice;
    EXPECT_EQ(port_.SetReadMode(1), kErrorIoDevice);
}

TEST_F(SerialPortContract, LineFormatChangesOnlyItsMembersAndTheParityCheck)
{
    OpenOverlapped();
    backend_.state.xonLim = 77;
    backend_.state.outX = true;
    backend_.state.evtChar = 'z';
    backend_.state.dtrControl = kDtrControlHandshake;
    ASSERT_EQ(port_.SetLineFormat(400, 8, kSpaceParity, kOneStopBit), 0u);
    EXPECT_EQ(backend_.state.baudRate, 400u);
    EXPECT_EQ(backend_.state.byteSize, 8);
    EXPECT_EQ(backend_.state.parity, kSpaceParity);
    EXPECT_TRUE(backend_.state.parityCheck);
    EXPECT_EQ(backend_.state.xonLim, 77);
    EXPECT_TRUE(backend_.state.outX);
    EXPECT_EQ(backend_.state.evtChar, 'z');
    EXPECT_EQ(backend_.state.dtrControl, kDtrControlHandshake);
    EXPECT_EQ(port_.GetParity(), kSpaceParity);

    ASSERT_EQ(port_.SetLineFormat(10472, 7, kNoParity, kTwoStopBits), 0u);
    EXPECT_FALSE(backend_.state.parityCheck);
    EXPECT_EQ(port_.GetBaudRate(), 10472u);
    EXPECT_EQ(port_.GetByteSize(), 7);
    EXPECT_EQ(port_.GetStopBits(), kTwoStopBits);

    // The parity member alone does not count while the check is off.
    backend_.state.parity = kOddParity;
    backend_.state.parityCheck = false;
    EXPECT_EQ(port_.GetParity(), kNoParity);
}

TEST_F(SerialPortContract, StateFailuresAreKeptAndReturned)
{
    OpenOverlapped();
    backend_.failures["SetCommState"] = kErrorInvalidParameter;
    EXPECT_EQ(port_.SetLineFormat(0, 8, 0, 0), kErrorInvalidParameter);
    EXPECT_EQ(port_.GetLastErrorCode(), kErrorInvalidParameter);
    backend_.failures = {{"GetCommState", kErrorIoDevice}};
    EXPECT_EQ(port_.SetHandshake(1), kErrorIoDevice);
    EXPECT_EQ(backend_.Count("SetCommState"), 1u) << "only the first attempt got that far";
    EXPECT_EQ(port_.GetBaudRate(), 0xFFFFFFFFu);
    EXPECT_EQ(port_.GetHandshake(), -1);
    EXPECT_EQ(port_.GetEventChar(), 0u);
    EXPECT_EQ(port_.GetLastErrorCode(), kErrorIoDevice);
    EXPECT_EQ(port_.GetEventMask(), 0xC1u) << "the mask does not come from the record";
}

TEST_F(SerialPortContract, HandshakeKindsSetTheirFlagsAndLeaveTheRest)
{
    OpenOverlapped();
    backend_.state.dsrSensitivity = true;
    backend_.state.txContinueOnXoff = true;
    backend_.state.abortOnError = true;
    backend_.state.xonChar = 0x11;

    ASSERT_EQ(port_.SetHandshake(1), 0u);
    const Dcb& s = backend_.state;
    EXPECT_TRUE(s.outxCtsFlow && s.outxDsrFlow && !s.outX && !s.inX);
    EXPECT_EQ(s.dtrControl, kDtrControlHandshake);
    EXPECT_EQ(s.rtsControl, kRtsControlHandshake);
    EXPECT_EQ(port_.GetHandshake(), 1);

    ASSERT_EQ(port_.SetHandshake(2), 0u);
    EXPECT_TRUE(!s.outxCtsFlow && !s.outxDsrFlow && s.outX && s.inX);
    EXPECT_EQ(s.dtrControl, kDtrControlDisable);
    EXPECT_EQ(s.rtsControl, kRtsControlDisable);
    EXPECT_EQ(port_.GetHandshake(), 2);

    ASSERT_EQ(port_.SetHandshake(0), 0u);
    EXPECT_TRUE(!s.outxCtsFlow && !s.outxDsrFlow && !s.outX && !s.inX);
    EXPECT_EQ(port_.GetHandshake(), 0);

    EXPECT_TRUE(s.dsrSensitivity && s.txContinueOnXoff && s.abortOnError);
    EXPECT_EQ(s.xonChar, 0x11);
}

TEST_F(SerialPortContract, HandshakeIsReadFromTheControlModesAndXonXoffPair)
{
    OpenOverlapped();
    backend_.state.dtrControl = kDtrControlHandshake;
    backend_.state.rtsControl = kRtsControlHandshake;
    backend_.state.outX = backend_.state.inX = true;
    EXPECT_EQ(port_.GetHandshake(), 1) << "hardware wins; CTS/DSR flow flags are not looked at";
    backend_.state.rtsControl = kRtsControlEnable;
    EXPECT_EQ(port_.GetHandshake(), 2);
    backend_.state.inX = false;
    EXPECT_EQ(port_.GetHandshake(), 0);
}

TEST_F(SerialPortContract, EventCharWithMaskAdjustmentAddsRxFlagBeforeTheRecordIsWritten)
{
    OpenOverlapped();
    ASSERT_EQ(port_.SetEventChar('\n', true), 0u);
    EXPECT_THAT(backend_.calls, ElementsAre("GetCommState", "SetCommMask 0xc3", "SetCommState"));
    EXPECT_EQ(backend_.state.evtChar, '\n');
    EXPECT_EQ(port_.GetEventChar(), '\n');
    EXPECT_EQ(port_.GetEventMask(), 0xC3u);

    backend_.calls.clear();
    ASSERT_EQ(port_.SetEventChar('#', false), 0u);
    EXPECT_THAT(backend_.calls, ElementsAre("GetCommState", "SetCommState"));

    // A failing mask step is still what the call returns.
    backend_.failures["SetCommMask"] = kErrorGenFailure;
    EXPECT_EQ(port_.SetEventChar('$', true), kErrorGenFailure);
    EXPECT_EQ(backend_.state.evtChar, '$');
    EXPECT_EQ(port_.GetEventMask(), 0xC3u) << "a refused mask is not taken";
}

TEST_F(SerialPortContract, PlainPortRefusesRecordsAndFiniteTimeoutsBeforeAnyIo)
{
    OpenPlain();
    Event event(true, false);
    Overlapped record;
    record.event = &event;
    std::uint8_t buffer[4] = {};
    std::uint32_t count = 5;
    EXPECT_EQ(port_.Read(buffer, 4, &count, nullptr, 100), kErrorInvalidFunction);
    EXPECT_EQ(port_.Read(buffer, 4, &count, &record, device::CSerialPort::kInfinite), kErrorInvalidFunction);
    EXPECT_EQ(port_.Write(buffer, 4, &count, nullptr, 0), kErrorInvalidFunction);
    EXPECT_EQ(port_.WaitLineEvent(&record, device::CSerialPort::kInfinite), kErrorInvalidFunction);
    EXPECT_EQ(port_.GetLastErrorCode(), kErrorInvalidFunction);
    EXPECT_EQ(count, 0u);
    EXPECT_TRUE(backend_.calls.empty());

    backend_.transferCount = 4;
    EXPECT_EQ(port_.Read(buffer, 4, &count, nullptr, device::CSerialPort::kInfinite), 0u);
    EXPECT_EQ(count, 4u);
    EXPECT_THAT(backend_.calls, ElementsAre("ReadFile 4 none"));
    backend_.failures["WriteFile"] = kErrorIoDevice;
    EXPECT_EQ(port_.Write(buffer, 4, nullptr, nullptr, device::CSerialPort::kInfinite), kErrorIoDevice);
}

TEST_F(SerialPortContract, ImmediateCompletionSignalsTheRecordsEvent)
{
    OpenOverlapped();
    backend_.transferCount = 3;
    std::uint8_t buffer[3] = {};
    std::uint32_t count = 0;
    ASSERT_EQ(port_.Write(buffer, 3, &count, nullptr, 10), 0u);
    EXPECT_EQ(count, 3u);
    EXPECT_NE(backend_.lastRecord, nullptr) << "an overlapped port always passes a record";

    Event callerEvent(true, false);
    Overlapped callerRecord;
    callerRecord.event = &callerEvent;
    ASSERT_EQ(port_.Read(buffer, 3, &count, &callerRecord, device::CSerialPort::kInfinite), 0u);
    EXPECT_EQ(backend_.lastRecord, &callerRecord);
    EXPECT_TRUE(callerEvent.IsSet());
}

TEST_F(SerialPortContract, PendingOnTheCallersRecordReturnsAtOnce)
{
    OpenOverlapped();
    backend_.completion = FakeSerialBackend::Completion::PendingForever;
    Event callerEvent(true, false);
    Overlapped callerRecord;
    callerRecord.event = &callerEvent;
    std::uint8_t buffer[8] = {};
    EXPECT_EQ(port_.Read(buffer, 8, nullptr, &callerRecord, 5), 0u);
    EXPECT_EQ(port_.WaitLineEvent(&callerRecord, 5), 0u);
    EXPECT_EQ(backend_.Count("CancelIo"), 0u);
    EXPECT_EQ(backend_.Count("GetOverlappedResult"), 0u);
}

TEST_F(SerialPortContract, ExpiredWaitOnTheLocalRecordCancelsAndReports1460)
{
    OpenOverlapped();
    backend_.completion = FakeSerialBackend::Completion::PendingForever;
    std::uint8_t buffer[2] = {};
    std::uint32_t count = 0;
    EXPECT_EQ(port_.Read(buffer, 2, &count, nullptr, 20), kErrorTimeout);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(port_.GetLastErrorCode(), kErrorTimeout);
    EXPECT_THAT(backend_.calls, ElementsAre("ReadFile 2 record", "CancelIo"));

    backend_.calls.clear();
    EXPECT_EQ(port_.Write(buffer, 2, &count, nullptr, 1), kErrorTimeout);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(port_.WaitLineEvent(nullptr, 1), kErrorTimeout);
    EXPECT_THAT(backend_.calls,
                ElementsAre("WriteFile 2 record", "CancelIo", "WaitCommEvent record", "CancelIo"));
}

TEST_F(SerialPortContract, CompletedLocalRecordGivesTheCountWithOrWithoutCountArgument)
{
    OpenOverlapped();
    backend_.completion = FakeSerialBackend::Completion::PendingDone;
    backend_.transferCount = 6;
    std::uint8_t buffer[6] = {};
    std::uint32_t count = 0;
    EXPECT_EQ(port_.Read(buffer, 6, &count, nullptr, device::CSerialPort::kInfinite), 0u);
    EXPECT_EQ(count, 6u);
    EXPECT_EQ(port_.Read(buffer, 6, nullptr, nullptr, device::CSerialPort::kInfinite), 0u);
    EXPECT_EQ(port_.Write(buffer, 6, nullptr, nullptr, 1000), 0u);
    EXPECT_EQ(backend_.Count("GetOverlappedResult nowait"), 3u);

    backend_.overlappedResultError = kErrorOperationAborted;
    EXPECT_EQ(port_.Write(buffer, 6, &count, nullptr, 1000), kErrorOperationAborted);
    EXPECT_EQ(port_.GetLastErrorCode(), kErrorOperationAborted);
}

TEST_F(SerialPortContract, LineEventWaitReportsTheBitsWithoutCollectingACount)
{
    OpenOverlapped();
    backend_.completion = FakeSerialBackend::Completion::PendingDone;
    backend_.eventsToFire = kEvRxChar | kEvBreak;
    EXPECT_EQ(port_.WaitLineEvent(nullptr, 1000), 0u);
    EXPECT_EQ(port_.GetFiredEvents(), kEvRxChar | kEvBreak);
    EXPECT_EQ(backend_.Count("GetOverlappedResult"), 0u);

    backend_.failures["WaitCommEvent"] = kErrorInvalidParameter;
    EXPECT_EQ(port_.WaitLineEvent(nullptr, 1000), kErrorInvalidParameter);
}

TEST_F(SerialPortContract, WriteStringSendsTheTextWithoutItsTerminator)
{
    OpenOverlapped();
    backend_.transferCount = 3;
    std::uint32_t count = 0;
    EXPECT_EQ(port_.WriteString("abc", &count, nullptr, device::CSerialPort::kInfinite), 0u);
    EXPECT_THAT(backend_.calls, ElementsAre("WriteFile 3 record"));
    EXPECT_EQ(count, 3u);
}

// Operations reach each other through the table of virtual operations.
class CountingPort : public device::CSerialPort {
public:
    using device::CSerialPort::CSerialPort;
    int masks = 0, readModes = 0, closes = 0, writes = 0;
    std::uint32_t SetEventMask(std::uint32_t mask) override
    {
        ++masks;
        return device::CSerialPort::SetEventMask(mask);
    }
    std::uint32_t SetReadMode(std::uint32_t mode) override
    {
        ++readModes;
        return device::CSerialPort::SetReadMode(mode);
    }
    std::uint32_t Close() override
    {
        ++closes;
        return device::CSerialPort::Close();
    }
    std::uint32_t Write(const void* d, std::uint32_t n, std::uint32_t* c, Overlapped* o,
                        std::uint32_t t) override
    {
        ++writes;
        return device::CSerialPort::Write(d, n, c, o, t);
    }
};

TEST_F(SerialPortContract, InternalCallsGoThroughDerivedOverrides)
{
    CountingPort derived(backend_);
    backend_.failures["SetCommTimeouts"] = kErrorGenFailure;
    EXPECT_EQ(derived.Open("COM1", 0, 0, true), kErrorGenFailure);
    EXPECT_EQ(derived.masks, 1);
    EXPECT_EQ(derived.readModes, 1);
    EXPECT_EQ(derived.closes, 1);
    backend_.failures.clear();
    ASSERT_EQ(derived.Open("COM1", 0, 0, true), 0u);
    derived.SetEventChar('x', true);
    EXPECT_EQ(derived.masks, 3);
    derived.WriteString("hi", nullptr, nullptr, device::CSerialPort::kInfinite);
    EXPECT_EQ(derived.writes, 1);
}

TEST(SerialPortProbe, MapsTheOpenOutcome)
{
    FakeSerialBackend backend;
    EXPECT_EQ(device::CSerialPort::ProbePort("COM4", backend), 0);
    EXPECT_THAT(backend.calls, ElementsAre("CreateFile COM4 plain", "CloseHandle"));
    const std::pair<std::uint32_t, int> cases[] = {{kErrorFileNotFound, 1},
                                                   {kErrorAccessDenied, 2},
                                                   {kErrorGenFailure, -1},
                                                   {kErrorInvalidFunction, -1}};
    for (const auto& [code, expected] : cases) {
        backend.failures["CreateFile"] = code;
        EXPECT_EQ(device::CSerialPort::ProbePort("COM4", backend), expected) << code;
    }
}

}  // namespace
