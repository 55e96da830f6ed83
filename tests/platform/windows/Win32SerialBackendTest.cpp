// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 serial backend on two COM ports joined to each other (PROBEX_TEST_COM_PAIR, "COM1,COM2";
// run-serial-tests.sh joins them through pseudo-terminals under Wine). What Wine cannot pass on to
// a pseudo-terminal (a rate of 10472 baud, parity) is not looked at.
#include "platform/ErrorCodes.h"
#include "platform/Event.h"
#include "platform/OpenFailure.h"
#include "platform/SerialBackend.h"
#include "platform/StopSignal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <numeric>
#include <thread>
#include <vector>

using namespace platform;
using Clock = std::chrono::steady_clock;

namespace {

class Win32SerialPair : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* pair = std::getenv("PROBEX_TEST_COM_PAIR");
        if (!pair || std::string(pair).find(',') == std::string::npos)
            GTEST_SKIP() << "PROBEX_TEST_COM_PAIR names no two joined ports";
        const std::string names = pair;
        nearName_ = names.substr(0, names.find(','));
        farName_ = names.substr(names.find(',') + 1);
        near_ = backend_.CreateFile(nearName_, true);
        ASSERT_NE(near_, kNullHandle) << nearName_ << ": " << ErrnoText(SystemErrno(GetLastError()));
        far_ = backend_.CreateFile(farName_, true);
        ASSERT_NE(far_, kNullHandle) << farName_ << ": " << ErrnoText(SystemErrno(GetLastError()));
        for (CommHandle port : {near_, far_}) {
            Dcb dcb;
            ASSERT_TRUE(backend_.GetCommState(port, dcb));
            dcb.baudRate = 9600;
            dcb.byteSize = 8;
            dcb.parity = kNoParity;
            dcb.stopBits = kOneStopBit;
            dcb.outxCtsFlow = dcb.outxDsrFlow = dcb.outX = dcb.inX = false;
            ASSERT_TRUE(backend_.SetCommState(port, dcb));
            ASSERT_TRUE(SetReadTimeout(port, 2000));
        }
    }

    void TearDown() override
    {
        for (CommHandle port : {near_, far_}) {
            if (port != kNullHandle)
                backend_.CloseHandle(port);
        }
    }

    // Reads return what has come when `ms` pass, or as soon as all of it is there.
    bool SetReadTimeout(CommHandle port, std::uint32_t ms)
    {
        CommTimeouts timeouts;
        timeouts.readTotalTimeoutConstant = ms;
        timeouts.writeTotalTimeoutConstant = 2000;
        return backend_.SetCommTimeouts(port, timeouts);
    }

    std::vector<std::uint8_t> ReadAll(CommHandle port, std::size_t length)
    {
        std::vector<std::uint8_t> got;
        std::vector<std::uint8_t> buffer(length);
        while (got.size() < length) {
            std::uint32_t count = 0;
            if (!backend_.ReadFile(port, buffer.data(), std::uint32_t(length - got.size()), count, nullptr) ||
                count == 0)
                break;
            got.insert(got.end(), buffer.begin(), buffer.begin() + count);
        }
        return got;
    }

    SerialBackend& backend_ = DefaultSerialBackend();
    std::string nearName_;
    std::string farName_;
    CommHandle near_ = kNullHandle;
    CommHandle far_ = kNullHandle;
};

TEST_F(Win32SerialPair, EveryByteValueCrossesBothWays)
{
    std::vector<std::uint8_t> bytes(256);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    for (auto [from, to] : {std::pair{near_, far_}, std::pair{far_, near_}}) {
        std::uint32_t written = 0;
        ASSERT_TRUE(backend_.WriteFile(from, bytes.data(), std::uint32_t(bytes.size()), written, nullptr));
        EXPECT_EQ(written, bytes.size());
        EXPECT_EQ(ReadAll(to, bytes.size()), bytes);
    }
}

// A pending read ends through its record: with the bytes when they come, aborted when cancelled
// (once CancelIo returns the record is final).
TEST_F(Win32SerialPair, APendingReadEndsThroughItsRecordOnBytesOrCancellation)
{
    for (const bool cancel : {false, true}) {
        Event done(true, false);
        Overlapped record;
        record.event = &done;
        std::uint8_t buffer[3] = {};
        std::uint32_t count = 0;
        ASSERT_TRUE(SetReadTimeout(far_, cancel ? 0 : 20'000));  // 0: only bytes or a cancellation end it
        ASSERT_FALSE(backend_.ReadFile(far_, buffer, sizeof buffer, count, &record));
        ASSERT_EQ(GetLastError(), kErrorIoPending);
        EXPECT_FALSE(backend_.GetOverlappedResult(far_, record, count, false));
        EXPECT_EQ(GetLastError(), kErrorIoIncomplete);
        if (cancel) {
            ASSERT_TRUE(backend_.CancelIo(far_));
            EXPECT_TRUE(done.IsSet());
            EXPECT_FALSE(backend_.GetOverlappedResult(far_, record, count, false));
            EXPECT_EQ(GetLastError(), kErrorOperationAborted);
            continue;
        }
        const std::uint8_t sent[3] = {0x55, 0xAA, 0x0D};
        std::uint32_t written = 0;
        ASSERT_TRUE(backend_.WriteFile(near_, sent, sizeof sent, written, nullptr));
        ASSERT_EQ(done.Wait(20'000), WaitResult::Signalled);
        ASSERT_TRUE(backend_.GetOverlappedResult(far_, record, count, true));
        ASSERT_EQ(count, 3u);
        EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + 3), std::vector<std::uint8_t>(sent, sent + 3));
    }
}

TEST_F(Win32SerialPair, TheSystemsDefaultConfigurationIsFoundByEitherName)
{
    for (const std::string& name : {nearName_, "\\\\.\\" + nearName_}) {
        CommConfig config;
        std::uint32_t size = kCommConfigSize;
        ASSERT_TRUE(backend_.GetDefaultCommConfig(name, config, size))
            << name << ": " << ErrnoText(GetLastError());
        EXPECT_EQ(size, kCommConfigSize);
        EXPECT_NE(config.dcb.baudRate, 0u) << name;
    }
    CommConfig config;
    std::uint32_t small = 4;
    EXPECT_FALSE(backend_.GetDefaultCommConfig(nearName_, config, small));
    EXPECT_EQ(small, kCommConfigSize);
}

TEST_F(Win32SerialPair, ReadsAndWaitsEndOnBytesDeadlineAndStop)
{
    // A read with nothing coming ends at its time-out, empty.
    ASSERT_TRUE(SetReadTimeout(far_, 100));
    std::uint8_t buffer[8];
    std::uint32_t count = 99;
    EXPECT_TRUE(backend_.ReadFile(far_, buffer, sizeof buffer, count, nullptr));
    EXPECT_EQ(count, 0u);
    ASSERT_TRUE(SetReadTimeout(far_, 2000));

    StopSignal stop;
    EXPECT_EQ(backend_.WaitForInput(far_, Clock::now() + std::chrono::milliseconds(100), stop.Fd()),
              kErrorTimeout);

    std::thread sender([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const std::uint8_t byte = 0x42;
        std::uint32_t written = 0;
        backend_.WriteFile(near_, &byte, 1, written, nullptr);
    });
    EXPECT_EQ(backend_.WaitForInput(far_, Clock::now() + std::chrono::seconds(20), stop.Fd()), 0u);
    sender.join();
    EXPECT_EQ(ReadAll(far_, 1), std::vector<std::uint8_t>{0x42});

    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        stop.Raise();
    });
    EXPECT_EQ(backend_.WaitForInput(far_, Clock::now() + std::chrono::seconds(20), stop.Fd()),
              kErrorOperationAborted);
    stopper.join();
}

TEST_F(Win32SerialPair, TheLineFormatReadsBackAsSet)
{
    // A pseudo-terminal keeps 8 data bits whatever it is asked: the byte size is not looked at.
    for (const std::uint8_t stopBits : {kTwoStopBits, kOneStopBit}) {
        Dcb dcb;
        ASSERT_TRUE(backend_.GetCommState(near_, dcb));
        dcb.baudRate = 19200;
        dcb.stopBits = stopBits;
        ASSERT_TRUE(backend_.SetCommState(near_, dcb));
        Dcb back;
        ASSERT_TRUE(backend_.GetCommState(near_, back));
        EXPECT_EQ(back.baudRate, 19200u);
        EXPECT_EQ(back.stopBits, stopBits);
    }
}

// Another opener is refused by the Windows driver (ERROR_ACCESS_DENIED, a busy port); Wine lets it
// through, so only a missing port is tried here.
TEST_F(Win32SerialPair, AMissingPortIsRefusedWithTheSystemsCodeAndText)
{
    const std::string name = "COM250";
    EXPECT_EQ(backend_.CreateFile(name, false), kNullHandle);
    const OpenFailure failure = OpenFailureOf(name, GetLastError());
    const OpenFailureReason reason = ExplainOpenFailure(failure.err);
    EXPECT_EQ(reason.kind, OpenFailureKind::Missing) << reason.systemText;
    // The system's words, then its number.
    const std::string number = " (" + std::to_string(failure.err) + ")";
    ASSERT_GT(reason.systemText.size(), number.size() + 3);
    EXPECT_EQ(reason.systemText.substr(reason.systemText.size() - number.size()), number)
        << reason.systemText;
    EXPECT_EQ(failure.path, "\\\\.\\" + name);
}

}  // namespace
