// SPDX-License-Identifier: GPL-3.0-or-later
// CSerialPort on a real pseudo-terminal: line settings as the far end sees them, bytes on the
// wire, read modes, exclusive opening and probing.
#include "device/CSerialPort.h"
#include "platform/ErrorCodes.h"
#include "platform/Event.h"
#include "platform/StopSignal.h"
#include "tests/support/PtyPair.h"
#include "tests/support/TempPortMap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <thread>

using namespace platform;
using testsupport::PtyPair;
using testsupport::TempPortMap;

namespace {

class SerialPortOnPty : public testing::Test {
protected:
    TempPortMap portMap_;
    PtyPair pty_;
    device::CSerialPort port_;

    void SetUp() override
    {
        portMap_.Link("COM5", pty_.SlavePath());
        ASSERT_EQ(port_.Open("COM5", 0, 0, true), 0u);
    }

    // Reads until `count` bytes have come or the far end has been quiet for long.
    std::vector<std::uint8_t> ReadBytes(std::uint32_t count)
    {
        std::vector<std::uint8_t> bytes;
        for (int idle = 0; bytes.size() < count && idle < 5000; ++idle) {
            std::uint8_t byte = 0;
            std::uint32_t n = 0;
            if (port_.Read(&byte, 1, &n, nullptr, device::CSerialPort::kInfinite) == 0 && n == 1) {
                bytes.push_back(byte);
                idle = 0;
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        return bytes;
    }
};

TEST_F(SerialPortOnPty, OpenLeavesARawLineWithTheDefaultFormatAndMask)
{
    const auto settings = pty_.SlaveSettings();
    EXPECT_TRUE(settings.raw);
    EXPECT_EQ(settings.outputSpeed, 9600u);
    EXPECT_FALSE(settings.rtsCts || settings.xonXoffInput || settings.xonXoffOutput);
    EXPECT_EQ(port_.GetEventMask(), 0xC1u);
    EXPECT_EQ(port_.SetEventMask(0), 0u);
    EXPECT_EQ(port_.GetEventMask(), 0u);
    EXPECT_EQ(port_.GetByteSize(), 8);
    EXPECT_EQ(port_.GetStopBits(), kOneStopBit);
}

TEST_F(SerialPortOnPty, LineFormatsReachTheDriver)
{
    ASSERT_EQ(port_.SetLineFormat(400, 8, kSpaceParity, kOneStopBit), 0u);
    auto settings = pty_.SlaveSettings();
    EXPECT_TRUE(settings.arbitrarySpeed);
    EXPECT_EQ(settings.outputSpeed, 400u);
    EXPECT_EQ(settings.inputSpeed, 400u);
    EXPECT_TRUE(settings.markSpaceParity);
    EXPECT_FALSE(settings.parityOdd) << "space parity, not mark";
    EXPECT_FALSE(settings.twoStopBits);
    EXPECT_EQ(port_.GetParity(), kSpaceParity);
    EXPECT_EQ(port_.GetBaudRate(), 400u);

    ASSERT_EQ(port_.SetLineFormat(10472, 8, kNoParity, kOneStopBit), 0u);
    settings = pty_.SlaveSettings();
    EXPECT_EQ(settings.outputSpeed, 10472u);
    EXPECT_EQ(settings.inputSpeed, 10472u);
    EXPECT_FALSE(settings.markSpaceParity);
    EXPECT_FALSE(settings.parityEnable);
    EXPECT_EQ(port_.GetParity(), kNoParity);
    EXPECT_EQ(port_.GetBaudRate(), 10472u);

    ASSERT_EQ(port_.SetLineFormat(19200, 8, kMarkParity, kTwoStopBits), 0u);
    settings = pty_.SlaveSettings();
    EXPECT_TRUE(settings.markSpaceParity && settings.parityOdd && settings.twoStopBits);
    EXPECT_EQ(port_.GetParity(), kMarkParity);
    EXPECT_EQ(port_.GetStopBits(), kTwoStopBits);
}

TEST_F(SerialPortOnPty, RefusedLineFormatIsReportedAndChangesNothing)
{
    ASSERT_EQ(port_.SetLineFormat(10472, 8, kNoParity, kOneStopBit), 0u);
    EXPECT_EQ(port_.SetLineFormat(0, 8, kNoParity, kOneStopBit), kErrorInvalidParameter);
    EXPECT_EQ(port_.SetLineFormat(9600, 9, kNoParity, kOneStopBit), kErrorInvalidParameter);
    EXPECT_EQ(port_.SetLineFormat(9600, 8, 5, kOneStopBit), kErrorInvalidParameter);
    EXPECT_EQ(port_.SetLineFormat(9600, 8, kNoParity, kOne5StopBits), kErrorInvalidParameter);
    EXPECT_EQ(pty_.SlaveSettings().outputSpeed, 10472u);
}

TEST_F(SerialPortOnPty, HandshakeKindsRoundTrip)
{
    ASSERT_EQ(port_.SetHandshake(1), 0u);
    EXPECT_EQ(port_.GetHandshake(), 1);
    EXPECT_TRUE(pty_.SlaveSettings().rtsCts);
    ASSERT_EQ(port_.SetHandshake(2), 0u);
    EXPECT_EQ(port_.GetHandshake(), 2);
    auto settings = pty_.SlaveSettings();
    EXPECT_TRUE(settings.xonXoffInput && settings.xonXoffOutput && !settings.rtsCts);
    ASSERT_EQ(port_.SetHandshake(0), 0u);
    EXPECT_EQ(port_.GetHandshake(), 0);
    settings = pty_.SlaveSettings();
    EXPECT_FALSE(settings.xonXoffInput || settings.xonXoffOutput || settings.rtsCts);
}

TEST_F(SerialPortOnPty, EventCharRoundTrips)
{
    ASSERT_EQ(port_.SetEventChar(0x7E, true), 0u);
    EXPECT_EQ(port_.GetEventChar(), 0x7E);
    EXPECT_EQ(port_.GetEventMask(), 0xC3u);
}

TEST_F(SerialPortOnPty, WriteStringPutsTheTextWithoutTerminatorOnTheWire)
{
    std::uint32_t count = 0;
    ASSERT_EQ(port_.WriteString("abc", &count, nullptr, device::CSerialPort::kInfinite), 0u);
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(pty_.Receive(3), (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    EXPECT_TRUE(pty_.Receive(1, 50).empty()) << "no terminating zero";
}

TEST_F(SerialPortOnPty, BinaryBytesPassUnchangedBothWays)
{
    const std::vector<std::uint8_t> bytes = {0x0D, 0x0A, 0x00, 0x03, 0x04, 0x11, 0x13, 0x7F, 0xFF, 0x1A};
    std::uint32_t count = 0;
    ASSERT_EQ(port_.Write(bytes.data(), std::uint32_t(bytes.size()), &count, nullptr, 1000), 0u);
    EXPECT_EQ(count, bytes.size());
    EXPECT_EQ(pty_.Receive(bytes.size()), bytes);

    pty_.Send(bytes);
    EXPECT_EQ(ReadBytes(std::uint32_t(bytes.size())), bytes);
}

TEST_F(SerialPortOnPty, NonBlockingReadReturnsAtOnceWithNothing)
{
    std::uint8_t byte = 0x55;
    std::uint32_t count = 7;
    EXPECT_EQ(port_.Read(&byte, 1, &count, nullptr, device::CSerialPort::kInfinite), 0u);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(port_.Read(&byte, 1, nullptr, nullptr, device::CSerialPort::kInfinite), 0u);
    EXPECT_EQ(port_.Read(&byte, 1, &count, nullptr, 0), 0u);
}

TEST_F(SerialPortOnPty, WriteAndReadWithoutCountArgument)
{
    const std::uint8_t out[2] = {0x21, 0xF3};
    ASSERT_EQ(port_.Write(out, 2, nullptr, nullptr, device::CSerialPort::kInfinite), 0u);
    EXPECT_EQ(pty_.Receive(2), (std::vector<std::uint8_t>{0x21, 0xF3}));
    pty_.Send({0x42});
    std::uint8_t in = 0;
    for (int i = 0; i < 5000 && in == 0; ++i) {
        ASSERT_EQ(port_.Read(&in, 1, nullptr, nullptr, device::CSerialPort::kInfinite), 0u);
        if (in == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(in, 0x42);
}

TEST_F(SerialPortOnPty, BlockingReadModeWaitsForTheWholeCount)
{
    ASSERT_EQ(port_.SetReadMode(1), 0u);
    std::uint8_t buffer[3] = {};
    std::uint32_t count = 9;
    EXPECT_EQ(port_.Read(buffer, 3, &count, nullptr, 20), kErrorTimeout);
    EXPECT_EQ(count, 0u);

    pty_.Send({1});
    std::thread farEnd([&] { pty_.Send({2, 3}); });
    EXPECT_EQ(port_.Read(buffer, 3, &count, nullptr, device::CSerialPort::kInfinite), 0u);
    farEnd.join();
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[2], 3);
}

TEST_F(SerialPortOnPty, CallersRecordCompletesLater)
{
    ASSERT_EQ(port_.SetReadMode(1), 0u);
    Event done(true, false);
    Overlapped record;
    record.event = &done;
    std::uint8_t buffer[2] = {};
    ASSERT_EQ(port_.Read(buffer, 2, nullptr, &record, device::CSerialPort::kInfinite), 0u);
    EXPECT_FALSE(done.IsSet());
    pty_.Send({0xAA, 0xBB});
    EXPECT_EQ(done.Wait(10'000), WaitResult::Signalled);
    EXPECT_EQ(record.status.load(), 0u);
    EXPECT_EQ(record.transferred.load(), 2u);
    EXPECT_EQ(buffer[1], 0xBB);
}

TEST_F(SerialPortOnPty, LineEventWaitSeesArrivingBytes)
{
    EXPECT_EQ(port_.WaitLineEvent(nullptr, 20), kErrorTimeout);
    pty_.Send({'x'});
    ASSERT_EQ(port_.WaitLineEvent(nullptr, 10'000), 0u);
    EXPECT_EQ(port_.GetFiredEvents(), kEvRxChar);
}

TEST_F(SerialPortOnPty, UnpluggedLineFailsWrites)
{
    pty_.CloseSlaveKeeper();
    pty_.CloseMaster();
    const std::uint8_t byte = 0;
    EXPECT_EQ(port_.Write(&byte, 1, nullptr, nullptr, device::CSerialPort::kInfinite), kErrorIoDevice);
    std::uint32_t count = 5;
    std::uint8_t in = 0;
    port_.Read(&in, 1, &count, nullptr, device::CSerialPort::kInfinite);
    EXPECT_EQ(count, 0u);
}

TEST_F(SerialPortOnPty, PortIsExclusiveAndProbedAsInUse)
{
    device::CSerialPort second;
    EXPECT_EQ(second.Open("COM5", 0, 0, true), kErrorAccessDenied);
    EXPECT_EQ(second.Open(pty_.SlavePath(), 0, 0, false), kErrorAccessDenied);
    EXPECT_FALSE(second.IsOpen());
    EXPECT_EQ(device::CSerialPort::ProbePort("COM5"), 2);
    port_.Close();
    EXPECT_EQ(device::CSerialPort::ProbePort("COM5"), 0);
    EXPECT_EQ(device::CSerialPort::ProbePort("COM5"), 0) << "the probe closed the port again";
    EXPECT_EQ(second.Open("COM5", 0, 0, true), 0u);
}

TEST_F(SerialPortOnPty, ProbeAndOpenOfMissingNames)
{
    EXPECT_EQ(device::CSerialPort::ProbePort("COM9"), 1) << "not in the port map";
    EXPECT_EQ(device::CSerialPort::ProbePort("/dev/probex-no-such-port"), 1);
    EXPECT_EQ(device::CSerialPort::ProbePort("/dev/null"), -1) << "exists, but is no serial line";
    device::CSerialPort other;
    EXPECT_EQ(other.Open("COM9", 0, 0, true), kErrorFileNotFound);
}

TEST_F(SerialPortOnPty, PlainPortReadsAndWritesSynchronously)
{
    port_.Close();
    ASSERT_EQ(port_.Open("COM5", 0, 0, false), 0u);
    EXPECT_FALSE(port_.IsOverlapped());
    std::uint8_t byte = 0;
    EXPECT_EQ(port_.Read(&byte, 1, nullptr, nullptr, 100), kErrorInvalidFunction);
    std::uint32_t count = 3;
    EXPECT_EQ(port_.Read(&byte, 1, &count, nullptr, device::CSerialPort::kInfinite), 0u);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(port_.WriteString("ok", &count, nullptr, device::CSerialPort::kInfinite), 0u);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(pty_.Receive(2), (std::vector<std::uint8_t>{'o', 'k'}));
}

// The engine's waits: they sleep in poll() and end on a byte, a hang-up, a stop or the deadline.
TEST_F(SerialPortOnPty, WaitForInputEndsOnABytePassedDeadlineStopAndHangUp)
{
    using Clock = std::chrono::steady_clock;
    platform::StopSignal stop;
    const auto soon = [] { return Clock::now() + std::chrono::milliseconds(30); };

    const auto before = Clock::now();
    EXPECT_EQ(port_.WaitForInput(soon(), stop.Fd()), kErrorTimeout);
    EXPECT_GE(Clock::now() - before, std::chrono::milliseconds(30)) << "returned before its deadline";

    std::thread sender([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        pty_.Send({0x42});
    });
    EXPECT_EQ(port_.WaitForInput(Clock::now() + std::chrono::seconds(20), stop.Fd()), 0u);
    sender.join();
    EXPECT_EQ(ReadBytes(1), (std::vector<std::uint8_t>{0x42}));

    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        stop.Raise();
    });
    EXPECT_EQ(port_.WaitForInput(Clock::now() + std::chrono::seconds(20), stop.Fd()), kErrorOperationAborted);
    stopper.join();
    EXPECT_TRUE(stop.IsRaised());
    EXPECT_FALSE(stop.SleepUntil(Clock::now() + std::chrono::seconds(20)));

    // A hang-up ends the wait at once and every later one: nothing more will come.
    platform::StopSignal quiet;
    pty_.CloseSlaveKeeper();
    std::thread unplug([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        pty_.CloseMaster();
    });
    std::uint32_t waited = 0;
    for (int i = 0;
         i < 3 && (waited = port_.WaitForInput(Clock::now() + std::chrono::seconds(20), quiet.Fd())) == 0;
         ++i) {
        // The end of the line reads as "readable, nothing there".
        std::uint8_t byte = 0;
        port_.Read(&byte, 1, nullptr, nullptr, device::CSerialPort::kInfinite);
    }
    unplug.join();
    EXPECT_EQ(waited, kErrorIoDevice);
    EXPECT_EQ(port_.WaitForInput(Clock::now() + std::chrono::seconds(20), quiet.Fd()), kErrorIoDevice);

    port_.Close();
    EXPECT_EQ(port_.WaitForInput(soon(), quiet.Fd()), kErrorInvalidHandle);
}

TEST(StopSignal, SleepsUntilTheTimeUnlessRaised)
{
    using Clock = std::chrono::steady_clock;
    platform::StopSignal stop;
    EXPECT_FALSE(stop.IsRaised());
    const auto until = Clock::now() + std::chrono::milliseconds(20);
    EXPECT_TRUE(stop.SleepUntil(until));
    EXPECT_GE(Clock::now(), until);
    stop.Raise();
    stop.Raise();
    EXPECT_TRUE(stop.IsRaised());
    EXPECT_FALSE(stop.SleepUntil(Clock::now() + std::chrono::seconds(20)));
    stop.Clear();
    EXPECT_FALSE(stop.IsRaised());
    EXPECT_TRUE(stop.SleepUntil(Clock::now() + std::chrono::milliseconds(1)));
    platform::StopSignal other;
    other.Raise();
    EXPECT_FALSE(stop.SleepUntil(Clock::now() + std::chrono::seconds(20), other)) << "woken by the other";
}

// A connection leaves the line as it found it: the next user of a terminal gets its own
// settings back, not a raw 10472-baud line with space parity.
TEST(SerialPortRestore, ClosingPutsTheLineSettingsBack)
{
    PtyPair pty;
    const auto before = pty.SlaveSettings();
    device::CSerialPort port;
    ASSERT_EQ(port.Open(pty.SlavePath(), 0, 0, true), 0u);
    ASSERT_EQ(port.SetLineFormat(400, 8, kSpaceParity, kTwoStopBits), 0u);
    ASSERT_EQ(port.SetHandshake(2), 0u);
    port.WriteString("x", nullptr, nullptr, device::CSerialPort::kInfinite);
    const auto during = pty.SlaveSettings();
    ASSERT_EQ(during.outputSpeed, 400u);
    ASSERT_TRUE(during.raw);
    port.Close();
    const auto after = pty.SlaveSettings();
    EXPECT_EQ(after.outputSpeed, before.outputSpeed);
    EXPECT_EQ(after.inputSpeed, before.inputSpeed);
    EXPECT_EQ(after.raw, before.raw);
    EXPECT_EQ(after.markSpaceParity, before.markSpaceParity);
    EXPECT_EQ(after.twoStopBits, before.twoStopBits);
    EXPECT_EQ(after.xonXoffInput, before.xonXoffInput);
    EXPECT_EQ(after.xonXoffOutput, before.xonXoffOutput);
    EXPECT_NE(before.outputSpeed, 400u);
    EXPECT_FALSE(before.raw) << "a fresh terminal is in canonical mode";
}

}  // namespace
