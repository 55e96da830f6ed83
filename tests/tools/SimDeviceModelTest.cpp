// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "tests/support/ZaqFrames.h"
#include "tools/zaq-sim/DeviceModel.h"

namespace {

using namespace std::chrono_literals;
using testsupport::Bytes;
using testsupport::kIdentifyFrame;
using testsupport::kStartFrame;
using testsupport::kStopFrame;
using testsupport::ReadFrame;
using testsupport::Trailer;
using testsupport::WithChecksum;
using testsupport::WriteStepFrame;
using zaqsim::FrameKind;
using zaqsim::LineSettings;

LineSettings PulseLine()
{
    LineSettings line;
    line.baud = 400;
    line.markSpace = true;
    return line;
}

LineSettings FrameLine()
{
    LineSettings line;
    line.baud = 10472;
    return line;
}

bool ChecksumOk(const Bytes& answer)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i + 1 < answer.size(); ++i)
        sum += answer[i];
    return std::uint8_t(sum) == answer.back();
}

class SimDeviceModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        options_.minGap1Ms = 590;
        options_.minGap2Ms = 230;
    }

    // Feeds a byte at the current simulated time and advances it a little.
    Bytes Feed(std::uint8_t byte, const LineSettings& line)
    {
        Bytes answer = model_.OnByte(byte, line, now_);
        now_ += 1ms;
        return answer;
    }

    // Feeds a whole frame, checksum included; returns the answer it completed, if any.
    Bytes Send(const Bytes& frame, const LineSettings& line = FrameLine())
    {
        Bytes answer;
        for (std::uint8_t byte : frame) {
            Bytes out = Feed(byte, line);
            if (!out.empty())
                answer = out;
        }
        return answer;
    }

    // Two pulses and the quiet times a correct wake-up leaves.
    void WakeUp(const LineSettings& line = PulseLine())
    {
        Feed(0x00, line);
        now_ += 615ms;
        Feed(0x00, line);
        now_ += 255ms;
    }

    Bytes StartConnection()
    {
        WakeUp();
        return Send(kStartFrame);
    }

    void EndConnection()
    {
        Send(kStopFrame);
        for (std::uint8_t b : Trailer(0x00))
            Feed(b, FrameLine());
    }

    bool HasNote(const std::string& part) const
    {
        for (const std::string& note : log_.Notes()) {
            if (note.find(part) != std::string::npos)
                return true;
        }
        return false;
    }

    zaqsim::SimOptions options_;
    zaqsim::EepromImage eeprom_;
    zaqsim::WireLog log_;
    zaqsim::DeviceModel model_{options_, eeprom_, log_};
    zaqsim::SimClock::time_point now_{};
};

TEST_F(SimDeviceModel, AnswersTheConnectionStartAfterACorrectWakeUp)
{
    const Bytes answer = StartConnection();
    ASSERT_FALSE(answer.empty());
    EXPECT_TRUE(ChecksumOk(answer));
    EXPECT_EQ(answer[1], 0xF3);
    EXPECT_EQ(answer[2], 0x21);
    const auto frames = log_.Frames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].kind, FrameKind::Pulse);
    EXPECT_EQ(frames[1].kind, FrameKind::Pulse);
    EXPECT_EQ(frames[2].bytes, kStartFrame);
}

TEST_F(SimDeviceModel, StaysAsleepWhenTheWakeUpIsWrong)
{
    // Second pulse too early.
    Feed(0x00, PulseLine());
    now_ += 300ms;
    Feed(0x00, PulseLine());
    now_ += 255ms;
    EXPECT_TRUE(Send(kStartFrame).empty());
    EXPECT_TRUE(HasNote("second pulse after"));

    // Pulses with mark instead of space parity are not pulses.
    LineSettings mark = PulseLine();
    mark.oddParity = true;
    Feed(0x00, mark);
    now_ += 615ms;
    Feed(0x00, mark);
    now_ += 255ms;
    EXPECT_TRUE(Send(kStartFrame).empty());

    // First frame too soon after the second pulse.
    Feed(0x00, PulseLine());
    now_ += 615ms;
    Feed(0x00, PulseLine());
    now_ += 100ms;
    EXPECT_TRUE(Send(kStartFrame).empty());
    EXPECT_TRUE(HasNote("after the second pulse"));

    // Frames at 10400 baud instead of 10472.
    WakeUp();
    LineSettings slow = FrameLine();
    slow.baud = 10400;
    for (std::uint8_t b : kStartFrame)
        EXPECT_TRUE(Feed(b, slow).empty());
}

// Behind an emulated port the terminal shows a standard rate and no fixed parity for pulses
// and frames alike; a 0x00 is a pulse only where no frame is under way.
TEST_F(SimDeviceModel, AnyLineFormatTakesPulsesAndFramesByPlaceNotFormat)
{
    LineSettings standard;
    standard.baud = 9600;
    eeprom_.Put(0x00, 0x5A);
    for (bool any : {false, true}) {
        options_.anyLineFormat = any;
        WakeUp(standard);
        EXPECT_EQ(Send(kStartFrame, standard).empty(), !any) << any;
    }
    // Awake: the zeros inside a read of address 0 are data, not pulses.
    const Bytes answer = Send(ReadFrame(0x00), standard);
    ASSERT_EQ(answer.size(), 9u);
    EXPECT_EQ(answer[7], 0x5A);
    // A zero where a frame would start begins a new wake-up.
    WakeUp(standard);
    EXPECT_TRUE(HasNote("a new wake-up while awake"));
    EXPECT_FALSE(Send(kStartFrame, standard).empty());
}

TEST_F(SimDeviceModel, IgnoresRequestsBeforeTheConnectionStartAndBadChecksums)
{
    WakeUp();
    EXPECT_TRUE(Send(kIdentifyFrame).empty());
    EXPECT_FALSE(Send(kStartFrame).empty());
    Bytes bad = kIdentifyFrame;
    bad.back() ^= 0x01;
    for (std::uint8_t b : bad)
        EXPECT_TRUE(Feed(b, FrameLine()).empty());
    EXPECT_TRUE(HasNote("request checksum wrong"));
}

// Both header forms carry the same data bytes; the long form's start one byte later, after its
// length byte.
TEST_F(SimDeviceModel, IdentificationCarriesTheIdBytesAtDataTwoToThirteenInBothForms)
{
    for (bool longForm : {false, true}) {
        options_.longAnswers = longForm;
        StartConnection();
        const Bytes answer = Send(kIdentifyFrame);
        const std::size_t shift = longForm ? 1 : 0;
        ASSERT_EQ(answer.size(), 18u + shift) << longForm;
        EXPECT_EQ(answer[0] == 0x80, longForm);
        if (longForm) {
            EXPECT_EQ(answer[3], 14u);  // the length byte counts the data bytes
        } else {
            EXPECT_EQ(answer[0], 0x80 | 14);
        }
        EXPECT_TRUE(ChecksumOk(answer));
        for (std::size_t i = 0; i < options_.idBytes.size(); ++i)
            EXPECT_EQ(answer[5 + shift + i], options_.idBytes[i]) << i;
        EndConnection();
    }
}

TEST_F(SimDeviceModel, ReadAnswersTheEepromByteAtDataFourInBothForms)
{
    std::array<std::uint8_t, 256> image{};
    image[0x10] = 0x5A;
    image[0xFF] = 0xC3;
    eeprom_.Fill(image);
    for (bool longForm : {false, true}) {
        options_.longAnswers = longForm;
        StartConnection();
        const std::size_t at = longForm ? 8 : 7;
        Bytes answer = Send(ReadFrame(0x10));
        ASSERT_GE(answer.size(), at + 2);
        EXPECT_EQ(answer[at], 0x5A);
        EXPECT_TRUE(ChecksumOk(answer));
        answer = Send(ReadFrame(0xFF));
        ASSERT_GE(answer.size(), at + 2);
        EXPECT_EQ(answer[at], 0xC3);
        EndConnection();
    }
}

TEST_F(SimDeviceModel, WriteCommitsOnlyAfterTheFourthStepInSequence)
{
    StartConnection();
    auto step = [&](std::uint8_t r, std::uint8_t v) { return Send(WriteStepFrame(r, v)); };
    EXPECT_FALSE(step(0x63, 0xAB).empty());
    step(0x62, 0x10);
    step(0x61, 0x00);
    EXPECT_EQ(eeprom_.Get(0x10), 0x00);
    step(0x60, 0x10);
    EXPECT_EQ(eeprom_.Get(0x10), 0xAB);

    // Steps out of order commit nothing.
    step(0x63, 0x77);
    step(0x61, 0x00);
    step(0x62, 0x20);
    step(0x60, 0x10);
    EXPECT_EQ(eeprom_.Get(0x20), 0x00);
    EXPECT_TRUE(HasNote("out of sequence"));
}

TEST_F(SimDeviceModel, IgnoredWritesAreAnsweredAsUsualButKeepTheEeprom)
{
    options_.ignoreWrites = true;
    eeprom_.Put(0x10, 0x5A);
    StartConnection();
    for (const Bytes& frame : testsupport::WriteFrames(0x10, 0xAB)) {
        // The positive answer a committing device gives: 7D 00, the step and its value.
        EXPECT_EQ(Send(frame), WithChecksum({0x84, 0xF3, 0x21, 0x7D, 0x00, frame[6], frame[7]}));
    }
    EXPECT_EQ(eeprom_.Get(0x10), 0x5A);
    EXPECT_TRUE(HasNote("ignored"));
}

TEST_F(SimDeviceModel, TrailerAfterTheStopRecordsTheFlag)
{
    StartConnection();
    EXPECT_FALSE(Send(kStopFrame).empty());
    for (std::uint8_t b : Trailer(0x01))
        EXPECT_TRUE(Feed(b, FrameLine()).empty());
    const auto trailers = zaqsim::FramesOf(log_.Frames(), FrameKind::Trailer);
    ASSERT_EQ(trailers.size(), 1u);
    EXPECT_EQ(trailers[0].bytes.back(), 0x01);
    EXPECT_TRUE(HasNote("last operation flag 0x01"));
    // After the trailer the device sleeps until the next wake-up.
    EXPECT_TRUE(Send(kStartFrame).empty());
}

TEST_F(SimDeviceModel, InjectedFaultsSilenceAndCorruptTheNamedFrames)
{
    options_.silentFromFrame = 4;
    options_.badChecksumAnswer = 2;
    options_.shortAnswer = 3;
    const Bytes first = StartConnection();
    EXPECT_TRUE(ChecksumOk(first));
    const Bytes second = Send(kIdentifyFrame);
    ASSERT_FALSE(second.empty());
    EXPECT_FALSE(ChecksumOk(second));
    EXPECT_EQ(Send(ReadFrame(0x10)), (Bytes{0x81, 0xF3, 0x21, 0x63, 0xF8}));
    EXPECT_TRUE(Send(kIdentifyFrame).empty());
}

TEST_F(SimDeviceModel, AnswerForAnotherAddressIsTheNextAddressesReadWithItsByte)
{
    options_.otherAddressAnswer = 3;
    eeprom_.Put(0x10, 0x5A);
    eeprom_.Put(0x11, 0xA5);
    StartConnection();
    Send(kIdentifyFrame);
    EXPECT_EQ(Send(ReadFrame(0x10)), WithChecksum({0x85, 0xF3, 0x21, 0x63, 0x00, 0x81, 0x11, 0xA5}));
    EXPECT_EQ(Send(ReadFrame(0x10)), WithChecksum({0x85, 0xF3, 0x21, 0x63, 0x00, 0x81, 0x10, 0x5A}));
}

TEST_F(SimDeviceModel, RefusedAnswerIsANegativeAnswerAndARefusedWriteStepCommitsNothing)
{
    for (bool longForm : {false, true}) {
        options_.longAnswers = longForm;
        options_.refuseAnswer = longForm ? 11 : 5;  // the fourth write step of each pass
        StartConnection();
        Bytes refused;
        for (const Bytes& frame : testsupport::WriteFrames(0x30, 0xAB))
            refused = Send(frame);
        const std::size_t data = longForm ? 4 : 3;
        ASSERT_EQ(refused.size(), data + 4) << longForm;
        EXPECT_EQ(refused[data], 0x7F);
        EXPECT_EQ(refused[data + 1], 0x3D);
        EXPECT_EQ(refused[data + 2], zaqsim::kRefusalReason);
        EXPECT_TRUE(ChecksumOk(refused));
        EXPECT_EQ(eeprom_.Get(0x30), 0x00) << longForm;
        EndConnection();
    }
}

}  // namespace
