// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's byte and frame steps against a scripted port: every byte written comes back as
// an echo (unless the script drops it), followed by the scripted answer bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <limits>
#include <optional>
#include <vector>

#include "device/CDeviceZAQ.h"
#include "platform/ErrorCodes.h"
#include "tests/device/RecordingTrace.h"
#include "tests/support/ZaqFrames.h"

namespace {

using testsupport::Bytes;
using testsupport::WithChecksum;

class ScriptedEngine : public device::CDeviceZAQ {
public:
    ScriptedEngine()
    {
        answerTimeoutMs = 0;  // a missing byte is missing at once
        pauseAfterAnswerMs = 0;
    }

    std::uint32_t Write(const void* bytes, std::uint32_t length, std::uint32_t* written,
                        platform::Overlapped*, std::uint32_t) override
    {
        const auto* p = static_cast<const std::uint8_t*>(bytes);
        length = std::min(length, takeAtMost);
        for (std::uint32_t i = 0; i < length; ++i) {
            sent.push_back(p[i]);
            if (echoesLeft != 0) {
                --echoesLeft;
                incoming.push_back(echoValue.value_or(p[i]));
            }
            // The answer follows the request's checksum, the last byte of the frame.
            if (sent.size() == answerAfterBytes)
                incoming.insert(incoming.end(), answerScript.begin(), answerScript.end());
        }
        if (written)
            *written = length;
        return 0;
    }

    std::uint32_t Read(void* buffer, std::uint32_t, std::uint32_t* got, platform::Overlapped*,
                       std::uint32_t) override
    {
        *got = 0;
        if (!incoming.empty()) {
            *static_cast<std::uint8_t*>(buffer) = incoming.front();
            incoming.pop_front();
            *got = 1;
        }
        return 0;
    }

    // Nothing more arrives while the engine waits: the wait ends at once, as on a line that hung
    // up, and the time it was given is kept.
    std::uint32_t WaitForInput(std::chrono::steady_clock::time_point until, int) override
    {
        waitsMs.push_back(
            std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now())
                .count());
        return platform::kErrorIoDevice;
    }

    void PauseBetweenBytes(std::uint32_t milliseconds) override { pausesMs.push_back(milliseconds); }

    // Scripts the answer to the frame now in `request`.
    void Answer(Bytes bytes)
    {
        answerScript = std::move(bytes);
        answerAfterBytes = (request[0] & 0x3F) + 4;
    }

    using device::CDeviceZAQ::ReceiveByte;
    using device::CDeviceZAQ::SendByte;
    using device::CDeviceZAQ::Transact;

    Bytes sent;
    std::deque<std::uint8_t> incoming;
    Bytes answerScript;
    std::size_t answerAfterBytes = 0;
    long echoesLeft = -1;  // negative: echo everything
    std::optional<std::uint8_t> echoValue;
    std::uint32_t takeAtMost = std::numeric_limits<std::uint32_t>::max();  // bytes of each write
    std::vector<long long> waitsMs;
    std::vector<std::uint32_t> pausesMs;
};

class EngineTransact : public ::testing::Test {
protected:
    void SetUpIdentification()
    {
        engine_.request[0] = 0x82;
        engine_.request[3] = 0x3C;
        engine_.request[4] = 0x00;
    }
    ScriptedEngine engine_;
};

TEST_F(EngineTransact, ConstructorValues)
{
    device::CDeviceZAQ fresh;
    EXPECT_EQ(fresh.portName, "COM1");
    EXPECT_EQ(fresh.idText, "");
    EXPECT_EQ(fresh.eepromSize, 256);
    EXPECT_EQ(fresh.request[1], 0x21);
    EXPECT_EQ(fresh.request[2], 0xF3);
    EXPECT_EQ(fresh.data, nullptr);
    EXPECT_EQ(fresh.pulseMs, 25u);
    EXPECT_EQ(fresh.idleAfterPulse1Ms, 590u);
    EXPECT_EQ(fresh.idleAfterPulse2Ms, 230u);
    EXPECT_EQ(fresh.pauseAfterAnswerMs, 1u);
    EXPECT_EQ(fresh.answerTimeoutMs, 10000u);
    EXPECT_EQ(fresh.GetThreadHandle(), device::CThreadEx::kNoThread);
}

TEST_F(EngineTransact, SendsTheFrameWithItsChecksumAndTakesAShortAnswer)
{
    SetUpIdentification();
    engine_.Answer(WithChecksum({0xC2, 0x99, 0x99, 0x7C, 0x02}));  // header addresses are not checked
    engine_.incoming.clear();
    EXPECT_EQ(engine_.Transact(), device::ResultOk);
    EXPECT_EQ(engine_.sent, (Bytes{0x82, 0x21, 0xF3, 0x3C, 0x00, 0xD2}));
    EXPECT_EQ(engine_.answer[3], 0x7C);
    EXPECT_EQ(engine_.answer[4], 0x02);
    EXPECT_TRUE(engine_.incoming.empty());

    // The pause after an accepted answer, at its default length.
    engine_.pauseAfterAnswerMs = 1;
    engine_.sent.clear();
    engine_.Answer(WithChecksum({0xC2, 0x99, 0x99, 0x7C, 0x02}));
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(engine_.Transact(), device::ResultOk);
    EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(1));
}

TEST_F(EngineTransact, LongAnswerLengthComesFromByteThree)
{
    SetUpIdentification();
    // 0x85: five data bytes, checksum at index 9; the byte after it stays unread.
    Bytes answer = WithChecksum({0x80, 0xF3, 0x21, 0x85, 0x7C, 2, 3, 4, 5});
    answer.push_back(0x77);
    engine_.Answer(answer);
    EXPECT_EQ(engine_.Transact(), device::ResultOk);
    EXPECT_EQ(engine_.answer[8], 5);
    ASSERT_EQ(engine_.incoming.size(), 1u);
    EXPECT_EQ(engine_.incoming.front(), 0x77);
}

// Without a data byte it carries no service byte either: too short for any request.
TEST_F(EngineTransact, LongAnswerWithoutDataHasItsChecksumAtFour)
{
    SetUpIdentification();
    Bytes answer = WithChecksum({0x80, 0xF3, 0x21, 0x00});
    answer.push_back(0x77);
    engine_.Answer(answer);
    EXPECT_EQ(engine_.Transact(), device::ResultShortAnswer);
    EXPECT_EQ(engine_.incoming.size(), 1u);
}

TEST_F(EngineTransact, ShortFormUsesOnlyTheLowSixBitsOfTheFormatByte)
{
    SetUpIdentification();
    Bytes answer = WithChecksum({0xC2, 0xF3, 0x21, 0x7C, 0xBB});  // checksum at 5
    answer.push_back(0x77);
    engine_.Answer(answer);
    EXPECT_EQ(engine_.Transact(), device::ResultOk);
    EXPECT_EQ(engine_.answer[5], answer[5]);
    EXPECT_EQ(engine_.incoming.size(), 1u);
}

TEST_F(EngineTransact, WrongChecksumIsReportedAfterTheWholeAnswer)
{
    SetUpIdentification();
    Bytes answer = WithChecksum({0x83, 0xF3, 0x21, 0x7C, 0x00, 0x01});
    answer.back() ^= 0xFF;
    answer.push_back(0x77);
    engine_.Answer(answer);
    EXPECT_EQ(engine_.Transact(), device::ResultChecksumError);
    EXPECT_EQ(engine_.incoming.size(), 1u);
}

TEST_F(EngineTransact, MissingAnswerByteIsATimeout)
{
    SetUpIdentification();
    engine_.Answer({0x83, 0xF3, 0x21});  // stops short of its data and checksum
    EXPECT_EQ(engine_.Transact(), device::ResultAnswerTimeout);
    engine_.sent.clear();
    engine_.Answer({});
    EXPECT_EQ(engine_.Transact(), device::ResultAnswerTimeout);
    EXPECT_EQ(engine_.sent.size(), 6u);  // the request still went out whole
}

TEST_F(EngineTransact, MissingEchoEndsTheFrameWithNoAdapter)
{
    SetUpIdentification();
    engine_.echoesLeft = 2;
    engine_.Answer(WithChecksum({0x81, 0xF3, 0x21, 0xC1}));
    EXPECT_EQ(engine_.Transact(), device::ResultNoAdapter);
    // The third byte found no echo; nothing was sent after it.
    EXPECT_EQ(engine_.sent, (Bytes{0x82, 0x21, 0xF3}));
}

TEST_F(EngineTransact, ChangedEchoIsALineErrorAndEndsTheFrameAtOnce)
{
    engine_.echoValue = 0x55;
    EXPECT_EQ(engine_.SendByte(0x00), device::ResultLineError);
    EXPECT_EQ(engine_.SendByte(0x55), device::ResultOk);  // the same value is a good echo
    engine_.echoValue = 0xD5;
    EXPECT_EQ(engine_.SendByte(0x55), device::ResultLineError) << "an echo changed in bit 7 only";
    engine_.echoesLeft = 0;
    EXPECT_EQ(engine_.SendByte(0x00), device::ResultNoAdapter);

    SetUpIdentification();
    engine_.echoesLeft = -1;
    engine_.sent.clear();
    engine_.incoming.clear();
    EXPECT_EQ(engine_.Transact(), device::ResultLineError);
    EXPECT_EQ(engine_.sent, (Bytes{0x82}));
}

// Each answer byte, the first one included, may take the user's time-out, not the second an echo
// gets.
TEST_F(EngineTransact, EveryAnswerByteWaitsTheAnswerTimeOut)
{
    SetUpIdentification();
    engine_.answerTimeoutMs = 30000;
    for (const Bytes& arrived : {Bytes{}, Bytes{0x83, 0xF3}}) {
        SCOPED_TRACE(arrived.size());
        engine_.sent.clear();
        engine_.waitsMs.clear();
        engine_.Answer(arrived);
        EXPECT_EQ(engine_.Transact(), device::ResultAnswerTimeout);
        ASSERT_EQ(engine_.waitsMs.size(), 1u);
        EXPECT_GT(engine_.waitsMs[0], 20000);
    }
}

// A whole frame goes in one write, or byte by byte with the gap asked for, but never more than a
// frame may wait between two bytes.
TEST_F(EngineTransact, AWholeFramesBytesAreApartByTheGapAskedForUpToItsLimit)
{
    engine_.sendWholeFrames = true;
    for (const auto& [asked, used] : {std::pair{0u, 0u}, std::pair{2u, 2u}, std::pair{20u, 20u},
                                      std::pair{21u, 20u}, std::pair{60000u, 20u}}) {
        SCOPED_TRACE(asked);
        SetUpIdentification();
        engine_.frameByteGapMs = asked;
        engine_.sent.clear();
        engine_.pausesMs.clear();
        engine_.Answer(WithChecksum({0x82, 0xF3, 0x21, 0x7C, 0x00}));
        EXPECT_EQ(engine_.Transact(), device::ResultOk);
        EXPECT_EQ(engine_.sent.size(), 6u);
        EXPECT_EQ(engine_.pausesMs,
                  used == 0 ? std::vector<std::uint32_t>{} : std::vector<std::uint32_t>(5, used));
    }
}

// A frame the driver took only in part is not sent: no echo is awaited for it.
TEST_F(EngineTransact, AWholeFrameTheDriverTookInPartIsNoAdapter)
{
    enginetest::RecordingTrace trace;
    engine_.traceSink = &trace;
    engine_.sendWholeFrames = true;
    engine_.takeAtMost = 2;
    SetUpIdentification();
    EXPECT_EQ(engine_.Transact(), device::ResultNoAdapter);
    EXPECT_EQ(trace.Texts(),
              std::vector<std::string>{"sent 82 21 F3 3C 00 D2 at once: not sent (timed out)"});
}

// A negative answer ends the frame whatever its form; its reason code is kept for the message.
TEST_F(EngineTransact, NegativeAnswerIsARefusalCarryingTheReasonInBothForms)
{
    SetUpIdentification();
    engine_.Answer(WithChecksum({0x83, 0xF3, 0x21, 0x7F, 0x3C, 0x31}));
    EXPECT_EQ(engine_.Transact(), device::ResultRefused);
    EXPECT_EQ(engine_.refusalCode, 0x31);

    engine_.sent.clear();
    engine_.Answer(WithChecksum({0x80, 0xF3, 0x21, 0x03, 0x7F, 0x3C, 0x12}));
    EXPECT_EQ(engine_.Transact(), device::ResultRefused);
    EXPECT_EQ(engine_.refusalCode, 0x12);

    // Without a reason byte the code is 0; a refusal with a bad checksum is a checksum error.
    engine_.sent.clear();
    engine_.Answer(WithChecksum({0x81, 0xF3, 0x21, 0x7F}));
    EXPECT_EQ(engine_.Transact(), device::ResultRefused);
    EXPECT_EQ(engine_.refusalCode, 0);
    engine_.sent.clear();
    Bytes bad = WithChecksum({0x83, 0xF3, 0x21, 0x7F, 0x3C, 0x31});
    bad.back() ^= 0x01;
    engine_.Answer(bad);
    EXPECT_EQ(engine_.Transact(), device::ResultChecksumError);

    // 0x7F anywhere but the first data byte is data.
    engine_.sent.clear();
    engine_.Answer(WithChecksum({0x80, 0xF3, 0x7F, 0x02, 0x7C, 0x7F}));
    EXPECT_EQ(engine_.Transact(), device::ResultOk);
}

// The read of 0x10, which takes its value from the fifth data byte. An answer to another request is
// EngineLinkFaults' case, a refusal NegativeAnswerIsARefusal's.
TEST_F(EngineTransact, APositiveAnswerMustCarryTheDataItNeeds)
{
    const Bytes read = {0x84, 0x21, 0xF3, 0x23, 0x00, 0x81, 0x10};
    for (const auto& [answer, result] : {
             std::pair{Bytes{0x85, 0xF3, 0x21, 0x63, 0x00, 0x81, 0x10, 0x5A}, device::ResultOk},
             // The value's place would hold the byte an earlier answer left there.
             std::pair{Bytes{0x84, 0xF3, 0x21, 0x63, 0x00, 0x81, 0x10}, device::ResultShortAnswer},
             std::pair{Bytes{0xC0, 0xF3, 0x21}, device::ResultShortAnswer},
         }) {
        SCOPED_TRACE(answer.size());
        std::copy(read.begin(), read.end(), engine_.request);
        engine_.sent.clear();
        engine_.Answer(WithChecksum(answer));
        EXPECT_EQ(engine_.Transact(device::zaq::kReadValueData + 1), result);
    }
}

TEST_F(EngineTransact, ReceiveByteTakesWhateverArrivesNext)
{
    std::uint8_t byte = 0;
    EXPECT_EQ(engine_.ReceiveByte(byte, 0), device::ResultAnswerTimeout);
    engine_.incoming.push_back(0x42);
    EXPECT_EQ(engine_.ReceiveByte(byte, 0), device::ResultOk);
    EXPECT_EQ(byte, 0x42);
}

TEST(EngineRequests, RangeRequestsClipToTheEepromAndRefuseStartsBeyondIt)
{
    device::CDeviceZAQ engine;  // no worker: the requests only store and signal
    std::uint8_t buffer[256] = {};
    EXPECT_TRUE(engine.StartRead(buffer, 255, 10, true));
    EXPECT_EQ(engine.start, 255u);
    EXPECT_EQ(engine.count, 1u);
    EXPECT_EQ(engine.operation, device::OpRead);
    EXPECT_EQ(engine.lastOperation, 1);
    EXPECT_EQ(engine.data, buffer);

    EXPECT_FALSE(engine.StartWrite(nullptr, 256, 1, false));
    EXPECT_EQ(engine.operation, device::OpRead);  // nothing changed
    EXPECT_EQ(engine.data, buffer);
    EXPECT_EQ(engine.lastOperation, 1);

    EXPECT_TRUE(engine.StartWrite(buffer, 0, 0, false));
    EXPECT_EQ(engine.operation, device::OpWrite);
    EXPECT_EQ(engine.count, 0u);
    EXPECT_EQ(engine.lastOperation, 0);

    EXPECT_TRUE(engine.StartReadId(true));
    EXPECT_EQ(engine.operation, device::OpReadId);
    // Signals merge: three requests left one pending wake-up.
    EXPECT_TRUE(engine.requestEvent.WaitEvent(0));
    EXPECT_FALSE(engine.requestEvent.WaitEvent(0));
}

}  // namespace
