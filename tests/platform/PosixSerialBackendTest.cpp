// SPDX-License-Identifier: GPL-3.0-or-later
// The POSIX serial backend on real pseudo-terminals: opening, the line state record, pending
// operations with their time-outs, cancellation and hang-up.
#include "platform/PosixSerialBackend.h"
#include "platform/ErrorCodes.h"
#include "platform/Event.h"
#include "platform/OpenLineSettings.h"
#include "tests/support/PtyPair.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fcntl.h>
#include <string>
#include <thread>
#include <unistd.h>

using namespace platform;
using testsupport::PtyPair;

namespace {

class PosixBackendOnPty : public testing::Test {
protected:
    PosixSerialBackend backend_;
    PtyPair pty_;
    CommHandle port_ = kNullHandle;
    Event done_{true, false};
    Overlapped record_;

    void SetUp() override
    {
        record_.event = &done_;
        port_ = backend_.CreateFile(pty_.SlavePath(), true);
        ASSERT_NE(port_, kNullHandle) << GetLastError();
    }
    void TearDown() override
    {
        if (port_ != kNullHandle)
            backend_.CloseHandle(port_);
    }

    void SetTimeouts(std::uint32_t interval, std::uint32_t multiplier, std::uint32_t constant)
    {
        CommTimeouts t;
        t.readIntervalTimeout = interval;
        t.readTotalTimeoutMultiplier = multiplier;
        t.readTotalTimeoutConstant = constant;
        ASSERT_TRUE(backend_.SetCommTimeouts(port_, t));
    }

    // Starts an overlapped read that must not complete at once.
    void StartPendingRead(std::uint8_t* buffer, std::uint32_t length)
    {
        std::uint32_t count = 0;
        ASSERT_FALSE(backend_.ReadFile(port_, buffer, length, count, &record_));
        ASSERT_EQ(GetLastError(), kErrorIoPending);
    }

    void WaitDone() { ASSERT_EQ(done_.Wait(30'000), WaitResult::Signalled); }
};

TEST_F(PosixBackendOnPty, OpenRefusesMissingBusyAndNonSerialFiles)
{
    EXPECT_EQ(backend_.CreateFile("/dev/probex-missing", false), kNullHandle);
    EXPECT_EQ(GetLastError(), kErrorFileNotFound);
    EXPECT_EQ(backend_.CreateFile(pty_.SlavePath(), false), kNullHandle);
    EXPECT_EQ(GetLastError(), kErrorAccessDenied);
    EXPECT_EQ(backend_.CreateFile("/dev/null", false), kNullHandle);
    EXPECT_EQ(GetLastError(), kErrorInvalidFunction);

    ASSERT_TRUE(backend_.CloseHandle(port_));
    EXPECT_FALSE(backend_.CloseHandle(port_));
    EXPECT_EQ(GetLastError(), kErrorInvalidHandle);
    Dcb dcb;
    EXPECT_FALSE(backend_.GetCommState(port_, dcb));
    EXPECT_EQ(GetLastError(), kErrorInvalidHandle);
    port_ = backend_.CreateFile(pty_.SlavePath(), true);
    EXPECT_NE(port_, kNullHandle) << "closing released the lock";
}

TEST_F(PosixBackendOnPty, ClosingUsedOrUnusedLeavesTheLineAsItWas)
{
    // The slave started with echo and line editing, as a console does; it is raw while open.
    EXPECT_TRUE(pty_.SlaveSettings().raw);
    ASSERT_TRUE(backend_.CloseHandle(port_));
    EXPECT_FALSE(pty_.SlaveSettings().raw) << "an unused port gets its settings back";

    // A port that was used gets them back too: the next user must not find a raw line.
    port_ = backend_.CreateFile(pty_.SlavePath(), true);
    ASSERT_NE(port_, kNullHandle);
    const std::uint8_t byte = '\n';
    std::uint32_t count = 0;
    ASSERT_TRUE(backend_.WriteFile(port_, &byte, 1, count, &record_));
    EXPECT_EQ(pty_.Receive(1), (std::vector<std::uint8_t>{'\n'})) << "no CR added";
    ASSERT_TRUE(backend_.CloseHandle(port_));
    port_ = kNullHandle;
    EXPECT_FALSE(pty_.SlaveSettings().raw) << "a used port gets its settings back";
}

TEST_F(PosixBackendOnPty, OpenLinesGetTheirSettingsBackWhileStillOpen)
{
    // What a signal handler does before the process ends with the port still open.
    EXPECT_TRUE(pty_.SlaveSettings().raw);
    line::RestoreOpenLines();
    EXPECT_FALSE(pty_.SlaveSettings().raw);
}

// A pseudo-terminal has no low-latency option; a built-in serial line has, when this machine has
// one this user may open. A USB adapter's latency timer follows the option, for every later
// program, so the port leaves it as it found it, on closing and in a signal handler alike.
TEST(PosixBackendOnSerialLine, LowLatencyIsPutBackAsFound)
{
    std::string path;
    for (const char* candidate : {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"}) {
        const int fd = ::open(candidate, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        bool on = false;
        if (fd >= 0 && line::ReadLowLatency(fd, on) == 0 && path.empty())
            path = candidate;
        if (fd >= 0)
            ::close(fd);
    }
    if (path.empty())
        GTEST_SKIP() << "no serial line with a low-latency option to open";
    const int probe = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(probe, 0);
    bool found = false;
    ASSERT_EQ(line::ReadLowLatency(probe, found), 0);
    const auto lowLatency = [&] {
        bool on = false;
        EXPECT_EQ(line::ReadLowLatency(probe, on), 0);
        return on;
    };
    PosixSerialBackend backend;
    for (const bool before : {false, true}) {
        for (const bool bySignalHandler : {false, true}) {
            SCOPED_TRACE(std::to_string(before) +
                         (bySignalHandler ? " by the signal handler" : " by closing"));
            ASSERT_EQ(line::SetLowLatency(probe, before), 0);
            const CommHandle port = backend.CreateFile(path, false);
            ASSERT_NE(port, kNullHandle) << GetLastError();
            ASSERT_TRUE(backend.SetCommMask(port, 0));  // the first use asks for low latency
            EXPECT_TRUE(lowLatency());
            if (bySignalHandler) {
                line::RestoreOpenLines();
                EXPECT_EQ(lowLatency(), before);
            }
            ASSERT_TRUE(backend.CloseHandle(port));
            EXPECT_EQ(lowLatency(), before);
        }
    }
    line::SetLowLatency(probe, found);
    ::close(probe);
}

TEST_F(PosixBackendOnPty, StateRecordRoundTripsIncludingMembersTheDriverHasNoPlaceFor)
{
    Dcb dcb = PosixSerialBackend::DefaultState();
    dcb.baudRate = 10472;
    dcb.parity = kSpaceParity;
    dcb.parityCheck = true;
    dcb.dtrControl = kDtrControlHandshake;
    dcb.rtsControl = kRtsControlToggle;
    dcb.outxDsrFlow = true;
    dcb.dsrSensitivity = true;
    dcb.txContinueOnXoff = true;
    dcb.errorCharEnabled = true;
    dcb.nullStrip = true;
    dcb.abortOnError = true;
    dcb.xonLim = 100;
    dcb.xoffLim = 200;
    dcb.errorChar = '?';
    dcb.eofChar = 0x1A;
    dcb.evtChar = '~';
    dcb.inX = true;
    ASSERT_TRUE(backend_.SetCommState(port_, dcb)) << GetLastError();
    Dcb back;
    ASSERT_TRUE(backend_.GetCommState(port_, back));
    EXPECT_EQ(back, dcb);

    dcb.rtsControl = kRtsControlHandshake;
    ASSERT_TRUE(backend_.SetCommState(port_, dcb));
    ASSERT_TRUE(backend_.GetCommState(port_, back));
    EXPECT_EQ(back, dcb);
    EXPECT_TRUE(pty_.SlaveSettings().rtsCts);
}

TEST_F(PosixBackendOnPty, StateRecordReportsWhatTheDriverHolds)
{
    Dcb dcb = PosixSerialBackend::DefaultState();
    dcb.byteSize = 7;  // a pseudo-terminal always carries 8 data bits
    ASSERT_TRUE(backend_.SetCommState(port_, dcb));
    Dcb back;
    ASSERT_TRUE(backend_.GetCommState(port_, back));
    EXPECT_EQ(back.byteSize, 8);

    dcb.byteSize = 8;
    dcb.stopBits = kOne5StopBits;
    EXPECT_FALSE(backend_.SetCommState(port_, dcb));
    EXPECT_EQ(GetLastError(), kErrorInvalidParameter);
}

TEST_F(PosixBackendOnPty, DefaultConfigurationIsNineSixHundredEightNOne)
{
    CommConfig config;
    std::uint32_t size = 10;
    EXPECT_FALSE(backend_.GetDefaultCommConfig(pty_.SlavePath(), config, size));
    EXPECT_EQ(size, kCommConfigSize);
    ASSERT_TRUE(backend_.GetDefaultCommConfig(pty_.SlavePath(), config, size));
    EXPECT_EQ(config.dcb.baudRate, 9600u);
    EXPECT_EQ(config.dcb.byteSize, 8);
    EXPECT_EQ(config.dcb.parity, kNoParity);
    EXPECT_EQ(config.dcb.stopBits, kOneStopBit);
    EXPECT_FALSE(backend_.GetDefaultCommConfig("/dev/probex-missing", config, size));
    EXPECT_EQ(GetLastError(), kErrorFileNotFound);

    Dcb changed = config.dcb;
    changed.baudRate = 1200;
    ASSERT_TRUE(backend_.SetCommState(port_, changed));
    ASSERT_TRUE(backend_.SetCommConfig(port_, config, size));
    EXPECT_EQ(pty_.SlaveSettings().outputSpeed, 9600u);
}

TEST_F(PosixBackendOnPty, TotalTimeoutCompletesAReadWithWhatArrived)
{
    SetTimeouts(0, 0, 30);
    pty_.Send({7, 8});
    std::uint8_t buffer[4] = {};
    StartPendingRead(buffer, 4);
    WaitDone();
    EXPECT_EQ(record_.status.load(), 0u);
    EXPECT_EQ(record_.transferred.load(), 2u);
    EXPECT_EQ(buffer[1], 8);
    std::uint32_t count = 0;
    ASSERT_TRUE(backend_.GetOverlappedResult(port_, record_, count, false));
    EXPECT_EQ(count, 2u);
}

TEST_F(PosixBackendOnPty, IntervalTimeoutEndsAReadAfterTheLastByte)
{
    SetTimeouts(15, 0, 0);
    pty_.Send({1, 2, 3});
    std::uint8_t buffer[10] = {};
    StartPendingRead(buffer, 10);
    WaitDone();
    EXPECT_EQ(record_.transferred.load(), 3u);
}

TEST_F(PosixBackendOnPty, PendingReadCompletesWhenTheCountArrives)
{
    SetTimeouts(0, 0, 0);
    std::uint8_t buffer[3] = {};
    StartPendingRead(buffer, 3);
    std::uint32_t count = 0;
    EXPECT_FALSE(backend_.GetOverlappedResult(port_, record_, count, false));
    EXPECT_EQ(GetLastError(), kErrorIoIncomplete);
    pty_.Send({4, 5, 6});
    ASSERT_TRUE(backend_.GetOverlappedResult(port_, record_, count, true));
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(buffer[2], 6);
}

TEST_F(PosixBackendOnPty, CancelReachesOnlyTheIssuingThreadsOperations)
{
    SetTimeouts(0, 0, 0);
    std::uint8_t buffer[1] = {};
    StartPendingRead(buffer, 1);
    std::thread other([&] { backend_.CancelIo(port_); });
    other.join();
    EXPECT_EQ(record_.status.load(), kErrorIoPending);
    ASSERT_TRUE(backend_.CancelIo(port_));
    EXPECT_TRUE(done_.IsSet());
    std::uint32_t count = 9;
    EXPECT_FALSE(backend_.GetOverlappedResult(port_, record_, count, false));
    EXPECT_EQ(GetLastError(), kErrorOperationAborted);
    EXPECT_EQ(count, 0u);

    // A byte sent after the cancel is still there for the next read.
    pty_.Send({0x33});
    SetTimeouts(0, 0, 0);
    ASSERT_TRUE(backend_.ReadFile(port_, buffer, 1, count, nullptr) ||
                (GetLastError() == kErrorIoPending && done_.Wait(30'000) == WaitResult::Signalled));
}

TEST_F(PosixBackendOnPty, ClosingAbortsWhatIsPending)
{
    SetTimeouts(0, 0, 0);
    std::uint8_t buffer[1] = {};
    StartPendingRead(buffer, 1);
    ASSERT_TRUE(backend_.CloseHandle(port_));
    port_ = kNullHandle;
    EXPECT_TRUE(done_.IsSet());
    EXPECT_EQ(record_.status.load(), kErrorOperationAborted);
}

TEST_F(PosixBackendOnPty, HangUpFailsPendingReads)
{
    SetTimeouts(0, 0, 0);
    std::uint8_t buffer[1] = {};
    StartPendingRead(buffer, 1);
    pty_.CloseSlaveKeeper();
    pty_.CloseMaster();
    WaitDone();
    EXPECT_EQ(record_.status.load(), kErrorIoDevice);
}

TEST_F(PosixBackendOnPty, BlockingReadOnAPlainPortWaitsForTheBytes)
{
    backend_.CloseHandle(port_);
    port_ = backend_.CreateFile(pty_.SlavePath(), false);
    ASSERT_NE(port_, kNullHandle);
    SetTimeouts(0, 0, 0);
    std::thread farEnd([&] { pty_.Send({9, 8}); });
    std::uint8_t buffer[2] = {};
    std::uint32_t count = 0;
    EXPECT_TRUE(backend_.ReadFile(port_, buffer, 2, count, &record_)) << "the record is ignored here";
    farEnd.join();
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(buffer[0], 9);
}

TEST_F(PosixBackendOnPty, CharacterEventsFireForNewBytesOnly)
{
    ASSERT_TRUE(backend_.SetCommMask(port_, kEvRxChar));
    std::uint32_t events = 0;
    ASSERT_FALSE(backend_.WaitCommEvent(port_, &events, &record_));
    ASSERT_EQ(GetLastError(), kErrorIoPending);
    pty_.Send({'a'});
    WaitDone();
    EXPECT_EQ(events, kEvRxChar);

    // Already reported: the next wait goes on until another byte comes.
    events = 0;
    ASSERT_FALSE(backend_.WaitCommEvent(port_, &events, &record_));
    pty_.Send({'b'});
    WaitDone();
    EXPECT_EQ(events, kEvRxChar);

    std::uint8_t buffer[2] = {};
    std::uint32_t count = 0;
    SetTimeouts(kMaxDword, 0, 0);
    ASSERT_TRUE(backend_.ReadFile(port_, buffer, 2, count, &record_));
    EXPECT_EQ(count, 2u);
}

TEST_F(PosixBackendOnPty, EventCharacterFiresAndItsBytesStayReadable)
{
    Dcb dcb;
    ASSERT_TRUE(backend_.GetCommState(port_, dcb));
    dcb.evtChar = '\n';
    ASSERT_TRUE(backend_.SetCommState(port_, dcb));
    ASSERT_TRUE(backend_.SetCommMask(port_, kEvRxFlag));
    std::uint32_t events = 0;
    ASSERT_FALSE(backend_.WaitCommEvent(port_, &events, &record_));
    pty_.Send({'o', 'k'});
    pty_.Send({'\n', 'z'});
    WaitDone();
    EXPECT_EQ(events, kEvRxFlag);

    SetTimeouts(0, 0, 0);
    std::uint8_t buffer[4] = {};
    std::uint32_t count = 0;
    if (!backend_.ReadFile(port_, buffer, 4, count, &record_)) {
        ASSERT_EQ(GetLastError(), kErrorIoPending);
        ASSERT_TRUE(backend_.GetOverlappedResult(port_, record_, count, true));
    }
    EXPECT_EQ(std::string(buffer, buffer + count), "ok\nz");
}

TEST_F(PosixBackendOnPty, NewMaskEndsAPendingWaitWithNoEvents)
{
    ASSERT_TRUE(backend_.SetCommMask(port_, kEvRxChar | kEvBreak));
    std::uint32_t events = 0xFF;
    ASSERT_FALSE(backend_.WaitCommEvent(port_, &events, &record_));
    ASSERT_TRUE(backend_.SetCommMask(port_, kEvRxChar));
    EXPECT_TRUE(done_.IsSet());
    EXPECT_EQ(record_.status.load(), 0u);
    EXPECT_EQ(events, 0u);

    ASSERT_TRUE(backend_.SetCommMask(port_, 0));
    EXPECT_FALSE(backend_.WaitCommEvent(port_, &events, &record_));
    EXPECT_EQ(GetLastError(), kErrorInvalidParameter) << "nothing to wait for";
}

TEST_F(PosixBackendOnPty, TransmitEmptyFiresAfterAWrite)
{
    ASSERT_TRUE(backend_.SetCommMask(port_, kEvTxEmpty));
    const std::uint8_t bytes[3] = {1, 2, 3};
    std::uint32_t count = 0;
    ASSERT_TRUE(backend_.WriteFile(port_, bytes, 3, count, &record_));
    EXPECT_EQ(count, 3u);
    std::uint32_t events = 0;
    if (!backend_.WaitCommEvent(port_, &events, &record_))
        WaitDone();
    EXPECT_EQ(events, kEvTxEmpty);
    EXPECT_EQ(pty_.Receive(3), (std::vector<std::uint8_t>{1, 2, 3}));
}

}  // namespace
