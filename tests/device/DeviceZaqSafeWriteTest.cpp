// SPDX-License-Identifier: GPL-3.0-or-later
// Stop, verify after write, compare and changed-only writes: the engine against the simulated
// device over a real pseudo-terminal.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

#include "operation/RangeText.h"
#include "tests/device/EngineHarness.h"
#include "tests/device/RecordingTrace.h"

namespace {

using enginetest::Bytes;
using enginetest::EngineHarness;
using enginetest::Notice;
using enginetest::RecordingTrace;
using Pass = std::vector<Notice>;
using Image = std::array<std::uint8_t, 256>;
using testsupport::IsWriteFrame;
using testsupport::kIdentifyFrame;
using testsupport::kStartFrame;
using testsupport::kStopFrame;
using testsupport::ReadFrame;
using testsupport::Trailer;
using testsupport::WriteFrames;

// The addresses the engine's account shows as written.
std::uint32_t WrittenCount(const device::CDeviceZAQ& engine)
{
    return std::uint32_t(std::ranges::count_if(
        engine.byteState, [](std::uint8_t state) { return (state & device::ByteWritten) != 0; }));
}

// No byte is zero, so a written byte always shows on a zeroed device.
Image Pattern()
{
    Image image;
    for (int i = 0; i < 256; ++i)
        image[i] = std::uint8_t((i * 7) ^ 0x5A) | 0x01;
    return image;
}

zaqsim::SimOptions SlowSim()
{
    auto options = testsupport::ZeroGapSimOptions();
    options.byteTiming = true;  // a whole-EEPROM write takes many seconds: time to stop it
    return options;
}

// Asks for a stop of its own request as it sends the second of the four steps that write the
// byte at `stopAt`: a stop that always comes between two steps of one byte's write.
class StopMidByteEngine : public device::CDeviceZAQ {
public:
    explicit StopMidByteEngine(std::uint8_t address) : stopAt(address) {}

    std::uint32_t Write(const void* bytes, std::uint32_t length, std::uint32_t* written,
                        platform::Overlapped* overlapped, std::uint32_t timeoutMs) override
    {
        if (request[0] == 0x85 && request[6] == 0x62 && request[7] == stopAt)
            RequestStop();
        return device::CDeviceZAQ::Write(bytes, length, written, overlapped, timeoutMs);
    }

    const std::uint8_t stopAt;
};

TEST(EngineStop, MidWriteFinishesTheByteClosesTheConnectionAndKeepsTheSplitInEitherSending)
{
    // Whole frames too: a stop lands between two frames, never inside one.
    for (const bool wholeFrames : {false, true}) {
        SCOPED_TRACE(wholeFrames ? "whole frames" : "byte by byte");
        EngineHarness h(testsupport::ZeroGapSimOptions(), std::make_unique<StopMidByteEngine>(5));
        h.engine->sendWholeFrames = wholeFrames;
        RecordingTrace trace;
        h.engine->traceSink = &trace;
        const Image image = Pattern();
        Image buffer = image;
        ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0, 256, true));
        const Pass pass = h.NextPass();
        EXPECT_EQ(pass.back(), (Notice{device::NotifyFinished, device::ResultStopped}));
        std::uint32_t done = 0;
        for (const Notice& notice : pass) {
            EXPECT_NE(notice.code, device::NotifyRangeEnd);
            done += notice.code == device::NotifyByteDone;
        }
        ASSERT_EQ(done, 6u) << "the byte whose steps the stop came between is written whole";

        // Every byte begun got all four steps, then came the stop frame and the trailer.
        std::vector<Bytes> expected{kStartFrame, kIdentifyFrame};
        for (std::uint32_t a = 0; a < done; ++a) {
            for (const Bytes& frame : WriteFrames(std::uint8_t(a), image[a]))
                expected.push_back(frame);
        }
        expected.push_back(kStopFrame);
        expected.push_back(Trailer(0x01));
        EXPECT_EQ(h.WireFrames(), expected);

        // The engine's account matches the device: exactly the bytes reported done were written.
        EXPECT_EQ(WrittenCount(*h.engine), done);
        const Image device = h.sim->Eeprom().Bytes();
        for (std::uint32_t a = 0; a < 256; ++a) {
            const bool written = a < done;
            EXPECT_EQ(device[a], written ? image[a] : 0) << a;
            EXPECT_EQ(h.engine->byteState[a],
                      written ? device::BytePlanned | device::ByteWritten : device::BytePlanned)
                << a;
        }
        char split[96];
        std::snprintf(split, sizeof split, "Bytes 00 - %02X were written, %02X - FF were not.", done - 1,
                      done);
        EXPECT_EQ(operation::WriteAccountText(h.engine->byteState, 0, 256), split);
        std::snprintf(split, sizeof split,
                      "result 7: stopped by the user after 0x%02X; stop frame and trailer sent", done - 1);
        EXPECT_EQ(RecordingTrace::Text(trace.Lines().back()), split);

        // The stop was for that request only.
        ASSERT_TRUE(h.engine->StartReadId(false));
        EXPECT_EQ(h.NextPass().back(), (Notice{device::NotifyFinished, device::ResultOk}));
    }
}

TEST(EngineStop, StopBeforeTheTransferWritesNothingAndStillLeavesTheDeviceClean)
{
    auto options = testsupport::ZeroGapSimOptions();
    options.responseDelayMs = 300;  // the connection's start and the ID take long enough
    EngineHarness h(options);
    RecordingTrace trace;
    h.engine->traceSink = &trace;
    Image buffer = Pattern();
    // Asked at once: the worker may not have woken the device yet, or may be waking it.
    ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0, 16, false));
    h.engine->RequestStop();
    const Pass pass = h.NextPass();
    EXPECT_EQ(pass.back(), (Notice{device::NotifyFinished, device::ResultStopped}));
    const auto frames = h.WireFrames();
    for (const Bytes& frame : frames)
        EXPECT_FALSE(IsWriteFrame(frame));
    if (!frames.empty()) {
        ASSERT_GE(frames.size(), 3u);
        EXPECT_EQ(frames[frames.size() - 2], kStopFrame);
        EXPECT_EQ(frames.back(), Trailer(0x00));
        EXPECT_EQ(RecordingTrace::Text(trace.Lines().back()),
                  "result 7: stopped by the user before the first byte; stop frame and trailer sent");
    } else {
        EXPECT_EQ(h.sim->Log().ClientByteCount(), 0u);  // not even a wake-up pulse
        EXPECT_EQ(RecordingTrace::Text(trace.Lines().back()),
                  "result 7: stopped by the user before the device was woken; nothing more sent");
    }
    EXPECT_EQ(WrittenCount(*h.engine), 0u);
    EXPECT_EQ(operation::WriteAccountText(h.engine->byteState, 0, 16), "No byte was written.");
}

TEST(EngineStop, StopDuringTheWakeUpEndsItAtOnceWithNothingMoreSent)
{
    EngineHarness h;
    h.engine->idleAfterPulse1Ms = 120000;  // the quiet time after the first pulse outlasts the test
    Image buffer = Pattern();
    ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0, 16, false));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (h.sim->Log().ClientByteCount() == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    h.engine->RequestStop();
    EXPECT_EQ(h.NextPass().back(), (Notice{device::NotifyFinished, device::ResultStopped}));
    EXPECT_EQ(h.sim->Log().ClientByteCount(), 1u) << "the first pulse only";
    EXPECT_TRUE(h.WireFrames().empty());
}

TEST(EngineStop, StoppedReadKeepsTheBytesItReadAndAFailingStopFrameWins)
{
    auto options = SlowSim();
    const Image image = Pattern();
    {
        EngineHarness h(options);
        h.sim->Eeprom().Fill(image);
        Image buffer{};
        ASSERT_TRUE(h.engine->StartRead(buffer.data(), 0, 256, false));
        ASSERT_TRUE(h.target.WaitForCount(3 + 2));
        h.engine->RequestStop();
        const Pass pass = h.NextPass();
        EXPECT_EQ(pass.back(), (Notice{device::NotifyFinished, device::ResultStopped}));
        std::uint32_t done = 0;
        for (const Notice& notice : pass)
            done += notice.code == device::NotifyByteDone;
        for (std::uint32_t a = 0; a < 256; ++a)
            EXPECT_EQ(buffer[a], a < done ? image[a] : 0) << a;
        EXPECT_EQ(h.WireFrames().back(), Trailer(0x00));
    }
    // The device answers the start, the ID and the first read, each late, and then nothing: a
    // stop asked while the first read waits for its answer is taken after it, and the stop frame
    // that follows goes unanswered. That failure is the result, and no trailer follows.
    options.byteTiming = false;
    options.silentFromFrame = 4;
    options.responseDelayMs = 600;
    EngineHarness h(options);
    Image buffer{};
    ASSERT_TRUE(h.engine->StartRead(buffer.data(), 0, 256, false));
    // Asked once the device holds the first read frame, while its answer is still delayed.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (h.WireFrames().size() < 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    h.engine->RequestStop();
    EXPECT_EQ(h.NextPass().back(), (Notice{device::NotifyFinished, device::ResultAnswerTimeout}));
    const auto frames = h.WireFrames();
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[2], ReadFrame(0x00));
    EXPECT_EQ(frames[3], kStopFrame);
}

TEST(EngineVerify, VerifiedWriteReadsTheBytesBackInTheSameConnectionAndKeepsWhatItFound)
{
    auto options = testsupport::ZeroGapSimOptions();
    options.ignoreWrites = true;
    EngineHarness h(options);
    const Image device = Pattern();
    h.sim->Eeprom().Fill(device);
    Image buffer = device;
    buffer[0x10] = 0xAB;
    buffer[0x12] = 0xCD;  // 0x11 is written with the value the device holds already
    h.engine->verifyAfterWrite = true;
    ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0x10, 3, true));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0},
                                  {2, 0},
                                  {6, device::PassWrite},
                                  {3, 3},
                                  {4, 0x10},
                                  {4, 0x11},
                                  {4, 0x12},
                                  {5, 0},
                                  {6, device::PassVerify},
                                  {3, 3},
                                  {4, 0x10},
                                  {4, 0x11},
                                  {4, 0x12},
                                  {5, 0},
                                  {1, device::ResultOk}}));
    std::vector<Bytes> expected{kStartFrame, kIdentifyFrame};
    for (std::uint8_t a = 0x10; a <= 0x12; ++a) {
        for (const Bytes& frame : WriteFrames(a, buffer[a]))
            expected.push_back(frame);
    }
    for (std::uint8_t a = 0x10; a <= 0x12; ++a)
        expected.push_back(ReadFrame(a));
    expected.push_back(kStopFrame);
    expected.push_back(Trailer(0x01));
    EXPECT_EQ(h.WireFrames(), expected);

    // A difference is not a failure of the connection: the caller reads it from the engine.
    EXPECT_EQ(operation::DifferingAddresses(h.engine->byteState, 0, 256),
              (std::vector<std::uint32_t>{0x10, 0x12}));
    const std::uint8_t verified = device::BytePlanned | device::ByteWritten | device::ByteRead;
    EXPECT_EQ(h.engine->byteState[0x10], verified | device::ByteDiffers);
    EXPECT_EQ(h.engine->byteState[0x11], verified);
    EXPECT_EQ(h.engine->byteState[0x13], 0);
    EXPECT_EQ(h.engine->readBack[0x10], device[0x10]);
    EXPECT_EQ(h.engine->readBack[0x12], device[0x12]);
    EXPECT_EQ(WrittenCount(*h.engine), 3u);
    EXPECT_EQ(buffer[0x10], 0xAB);  // the dump is what was meant, not what was found

    // A range of one byte is verified too.
    h.sim->Log().Clear();
    ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0x40, 1, false));
    EXPECT_EQ(h.NextPass().back(), (Notice{device::NotifyFinished, device::ResultOk}));
    expected = {kStartFrame, kIdentifyFrame};
    for (const Bytes& frame : WriteFrames(0x40, buffer[0x40]))
        expected.push_back(frame);
    expected.push_back(ReadFrame(0x40));
    expected.push_back(kStopFrame);
    expected.push_back(Trailer(0x00));
    EXPECT_EQ(h.WireFrames(), expected);
    EXPECT_EQ(h.engine->byteState[0x40], verified);

    // The next request starts with a clean account.
    ASSERT_TRUE(h.engine->StartReadId(false));
    h.NextPass();
    EXPECT_EQ(h.engine->byteState[0x10], 0);
    EXPECT_EQ(WrittenCount(*h.engine), 0u);
}

TEST(EngineCompare, CompareReadsIntoTheEngineAndLeavesTheDumpAlone)
{
    EngineHarness h;
    const Image device = Pattern();
    h.sim->Eeprom().Fill(device);
    Image buffer = device;
    buffer[0x21] ^= 0x80;
    buffer[0x23] = 0x00;
    const Image before = buffer;
    ASSERT_TRUE(h.engine->StartCompare(buffer.data(), 0x20, 4, false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0},
                                  {2, 0},
                                  {6, device::PassCompare},
                                  {3, 4},
                                  {4, 0x20},
                                  {4, 0x21},
                                  {4, 0x22},
                                  {4, 0x23},
                                  {5, 0},
                                  {1, device::ResultOk}}));
    EXPECT_EQ(buffer, before);
    EXPECT_EQ(h.sim->Eeprom().Bytes(), device);
    EXPECT_EQ(h.WireFrames(),
              (std::vector<Bytes>{kStartFrame, kIdentifyFrame, ReadFrame(0x20), ReadFrame(0x21),
                                  ReadFrame(0x22), ReadFrame(0x23), kStopFrame, Trailer(0x00)}));
    EXPECT_EQ(operation::DifferingAddresses(h.engine->byteState, 0, 256),
              (std::vector<std::uint32_t>{0x21, 0x23}));
    for (std::uint32_t a = 0x20; a < 0x24; ++a)
        EXPECT_EQ(h.engine->readBack[a], device[a]) << a;
    EXPECT_EQ(WrittenCount(*h.engine), 0u);
}

TEST(EngineChangedOnly, WritesOnlyTheDifferingBytesThenVerifiesThem)
{
    EngineHarness h;
    const Image device = Pattern();
    h.sim->Eeprom().Fill(device);
    Image buffer = device;
    buffer[0x31] = 0x00;
    h.engine->writeChangedOnly = true;
    h.engine->verifyAfterWrite = true;
    ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0x30, 3, false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0},
                                  {2, 0},
                                  {6, device::PassCompare},
                                  {3, 3},
                                  {4, 0x30},
                                  {4, 0x31},
                                  {4, 0x32},
                                  {5, 0},
                                  {6, device::PassWrite},
                                  {3, 1},
                                  {4, 0x31},
                                  {5, 0},
                                  {6, device::PassVerify},
                                  {3, 1},
                                  {4, 0x31},
                                  {5, 0},
                                  {1, device::ResultOk}}));
    std::vector<Bytes> expected{kStartFrame, kIdentifyFrame, ReadFrame(0x30), ReadFrame(0x31),
                                ReadFrame(0x32)};
    for (const Bytes& frame : WriteFrames(0x31, 0x00))
        expected.push_back(frame);
    expected.push_back(ReadFrame(0x31));
    expected.push_back(kStopFrame);
    expected.push_back(Trailer(0x00));
    EXPECT_EQ(h.WireFrames(), expected);
    EXPECT_EQ(WrittenCount(*h.engine), 1u);
    EXPECT_EQ(h.sim->Eeprom().Bytes(), buffer);
    EXPECT_TRUE(operation::DifferingAddresses(h.engine->byteState, 0, 256).empty());
    EXPECT_EQ(h.engine->byteState[0x30], device::ByteRead);  // found equal, left alone

    // Without verify the written byte is not read back, and no stale difference is left.
    h.sim->Log().Clear();
    buffer[0x32] = 0x00;
    h.engine->verifyAfterWrite = false;
    ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0x30, 3, false));
    EXPECT_EQ(h.NextPass().back(), (Notice{device::NotifyFinished, device::ResultOk}));
    EXPECT_EQ(h.WireFrames().size(), 2u + 3u + 4u + 2u);
    EXPECT_EQ(h.engine->byteState[0x32], device::BytePlanned | device::ByteWritten);
    EXPECT_EQ(h.sim->Eeprom().Get(0x32), 0x00);

    // The first byte of the range is looked at like every other.
    buffer[0x30] = 0x00;
    ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0x30, 3, false));
    EXPECT_EQ(h.NextPass().back(), (Notice{device::NotifyFinished, device::ResultOk}));
    EXPECT_EQ(h.engine->byteState[0x30], device::BytePlanned | device::ByteWritten);
    EXPECT_EQ(h.sim->Eeprom().Get(0x30), 0x00);
}

}  // namespace
