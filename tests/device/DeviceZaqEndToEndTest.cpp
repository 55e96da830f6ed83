// SPDX-License-Identifier: GPL-3.0-or-later
// The engine against the simulated adapter and device over a real pseudo-terminal.
#include <gtest/gtest.h>

#include <array>

#include "device/CSerialPort.h"
#include "tests/device/EngineHarness.h"

namespace {

using enginetest::Bytes;
using enginetest::EngineHarness;
using enginetest::Notice;
using Pass = std::vector<Notice>;

using testsupport::kIdentifyFrame;
using testsupport::kStartFrame;
using testsupport::kStopFrame;
using testsupport::ReadFrame;
using testsupport::Trailer;

std::array<std::uint8_t, 256> Pattern()
{
    std::array<std::uint8_t, 256> image;
    for (int i = 0; i < 256; ++i)
        image[i] = std::uint8_t(0xA5 ^ (i * 13));
    return image;
}

bool HasFrameWithService(const std::vector<Bytes>& frames, std::uint8_t service)
{
    for (const Bytes& frame : frames) {
        if (frame.size() > 3 && frame[3] == service && frame[0] != 0x54)
            return true;
    }
    return false;
}

TEST(EngineEndToEnd, ReadOfThreeBytesMatchesTheWireAndTheNotifications)
{
    EngineHarness h;
    const auto image = Pattern();
    h.sim->Eeprom().Fill(image);
    std::array<std::uint8_t, 256> buffer{};
    ASSERT_TRUE(h.engine->StartRead(buffer.data(), 0x10, 3, false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {3, 3}, {4, 0}, {4, 0}, {4, 0}, {5, 0}, {1, 0}}));
    EXPECT_EQ(h.WireFrames(),
              (std::vector<Bytes>{kStartFrame, kIdentifyFrame, ReadFrame(0x10), ReadFrame(0x11),
                                  ReadFrame(0x12), kStopFrame, Trailer(0x00)}));
    EXPECT_EQ(buffer[0x10], image[0x10]);
    EXPECT_EQ(buffer[0x11], image[0x11]);
    EXPECT_EQ(buffer[0x12], image[0x12]);
    EXPECT_EQ(buffer[0x0F], 0);
    EXPECT_EQ(buffer[0x13], 0);
    EXPECT_EQ(h.engine->idText, "MB: 0A1 B2C 3D 4E 2211 4433");

    // The wake-up pulses went out at 10000 / pulseMs baud with space parity.
    const auto pulses = zaqsim::FramesOf(h.sim->Log().Frames(), zaqsim::FrameKind::Pulse);
    ASSERT_EQ(pulses.size(), 2u);
    for (const auto& pulse : pulses) {
        EXPECT_EQ(pulse.line.baud, 10000u);
        EXPECT_TRUE(pulse.line.markSpace);
        EXPECT_FALSE(pulse.line.oddParity);
    }
}

TEST(EngineEndToEnd, WriteOfOneByteSendsTheFourStepsAndCommitsIt)
{
    EngineHarness h;
    std::array<std::uint8_t, 256> buffer{};
    buffer[0x10] = 0xAB;
    buffer[0x11] = 0xCD;  // outside the range: must not be written
    ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0x10, 1, true));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {3, 1}, {4, 0}, {5, 0}, {1, 0}}));
    const std::vector<Bytes> expected{kStartFrame,
                                      kIdentifyFrame,
                                      {0x85, 0x21, 0xF3, 0x3D, 0x00, 0x00, 0x63, 0xAB, 0xE4},
                                      {0x85, 0x21, 0xF3, 0x3D, 0x00, 0x00, 0x62, 0x10, 0x48},
                                      {0x85, 0x21, 0xF3, 0x3D, 0x00, 0x00, 0x61, 0x00, 0x37},
                                      {0x85, 0x21, 0xF3, 0x3D, 0x00, 0x00, 0x60, 0x10, 0x46},
                                      kStopFrame,
                                      Trailer(0x01)};
    EXPECT_EQ(h.WireFrames(), expected);
    EXPECT_EQ(h.sim->Eeprom().Get(0x10), 0xAB);
    EXPECT_EQ(h.sim->Eeprom().Get(0x11), 0x00);
}

TEST(EngineEndToEnd, WholeEepromRoundTripsInTheLongAnswerForm)
{
    auto options = testsupport::ZeroGapSimOptions();
    options.longAnswers = true;
    options.idBytes = {0xDE, 0xAD, 0xBE, 0xEF, 0x01, 0xA5, 0xA6, 0xA7, 0x12, 0x34, 0x56, 0x78};
    EngineHarness h(options);
    const auto image = Pattern();
    auto written = image;
    ASSERT_TRUE(h.engine->StartWrite(written.data(), 0, 256, false));
    const Pass write = h.NextPass();
    ASSERT_EQ(write.back(), (Notice{1, 0}));
    EXPECT_EQ(write.size(), 256u + 5u);
    EXPECT_EQ(h.sim->Eeprom().Bytes(), image);
    EXPECT_EQ(h.engine->idText, "MB: DEA DBE EF 01 3412 7856");
    EXPECT_EQ(h.engine->idBytes, options.idBytes) << "also those the text leaves out";

    std::array<std::uint8_t, 256> readBack{};
    ASSERT_TRUE(h.engine->StartRead(readBack.data(), 0, 0x1000, false));  // clipped to 256
    const Pass read = h.NextPass();
    EXPECT_EQ(read[2], (Notice{3, 256}));
    EXPECT_EQ(read.back(), (Notice{1, 0}));
    EXPECT_EQ(readBack, image);
}

TEST(EngineEndToEnd, RangeEdgesLastAddressEmptyRangeAndRefusedStart)
{
    EngineHarness h;
    std::array<std::uint8_t, 256> buffer{};
    h.sim->Eeprom().Put(0xFF, 0x99);

    ASSERT_TRUE(h.engine->StartRead(buffer.data(), 255, 10, false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {3, 1}, {4, 0}, {5, 0}, {1, 0}}));
    EXPECT_EQ(buffer[0xFF], 0x99);
    EXPECT_EQ(h.WireFrames()[2], ReadFrame(0xFF));

    // Refused: nothing is posted, so the next pass is the next request's own.
    EXPECT_FALSE(h.engine->StartRead(buffer.data(), 256, 1, false));

    h.sim->Log().Clear();
    ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0, 0, false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {3, 0}, {5, 0}, {1, 0}}));
    EXPECT_EQ(h.WireFrames(), (std::vector<Bytes>{kStartFrame, kIdentifyFrame, kStopFrame, Trailer(0x00)}));
}

TEST(EngineEndToEnd, ReadIdOnlyIdentifiesAndServesRepeatedRequests)
{
    EngineHarness h;
    for (int i = 0; i < 2; ++i) {
        h.sim->Log().Clear();
        h.engine->idText.clear();
        ASSERT_TRUE(h.engine->StartReadId(i == 1));
        EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {1, 0}}));
        EXPECT_EQ(h.WireFrames(),
                  (std::vector<Bytes>{kStartFrame, kIdentifyFrame, kStopFrame, Trailer(std::uint8_t(i))}));
        EXPECT_EQ(h.engine->idText.size(), 27u);
    }
}

TEST(EngineEndToEnd, MissingPortPostsOnlyThePortError)
{
    EngineHarness h;
    h.engine->portName = "COM9";  // the temporary port map has no COM9
    ASSERT_TRUE(h.engine->StartReadId(false));
    EXPECT_EQ(h.NextPass(), (Pass{{1, 1}}));
    EXPECT_EQ(h.sim->Log().ClientByteCount(), 0u);

    // The engine is not left holding anything: the same engine then works through a COMn name.
    h.portMap.Link("COM9", h.sim->SlavePath());
    ASSERT_TRUE(h.engine->StartReadId(false));
    EXPECT_EQ(h.NextPass().back(), (Notice{1, 0}));
}

TEST(EngineEndToEnd, NoAdapterEndsDuringTheFirstPulse)
{
    auto options = testsupport::ZeroGapSimOptions();
    options.noEcho = true;
    EngineHarness h(options);
    ASSERT_TRUE(h.engine->StartReadId(false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {1, 3}}));
    EXPECT_EQ(h.sim->Log().ClientBytes(), (Bytes{0x00}));
}

TEST(EngineEndToEnd, ChecksumErrorOnTheSecondByteOfAWriteStopsWithoutTheStopFrame)
{
    auto options = testsupport::ZeroGapSimOptions();
    // Answers: 1 start, 2 identification, 3..6 the first byte's steps, 7 the second's first.
    options.badChecksumAnswer = 7;
    EngineHarness h(options);
    std::array<std::uint8_t, 256> buffer{};
    buffer[0x20] = 0x11;
    buffer[0x21] = 0x22;
    ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0x20, 2, false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {3, 2}, {4, 0}, {1, 4}}));
    const auto frames = h.WireFrames();
    EXPECT_EQ(frames.size(), 2u + 4u + 1u);
    EXPECT_FALSE(HasFrameWithService(frames, 0x82));
    EXPECT_TRUE(zaqsim::FramesOf(h.sim->Log().Frames(), zaqsim::FrameKind::Trailer).empty());
    EXPECT_EQ(h.sim->Eeprom().Get(0x20), 0x11);
    EXPECT_EQ(h.sim->Eeprom().Get(0x21), 0x00);
}

TEST(EngineEndToEnd, SilentDeviceGivesAnAnswerTimeoutAfterTheBytesBeforeIt)
{
    auto options = testsupport::ZeroGapSimOptions();
    options.silentFromFrame = 4;  // start, identification, first read answered
    EngineHarness h(options);
    h.sim->Eeprom().Put(0x00, 0x5A);
    std::array<std::uint8_t, 256> buffer{};
    ASSERT_TRUE(h.engine->StartRead(buffer.data(), 0, 4, false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {3, 4}, {4, 0}, {1, 2}}));
    EXPECT_EQ(buffer[0], 0x5A);
    EXPECT_FALSE(HasFrameWithService(h.WireFrames(), 0x82));
}

TEST(EngineEndToEnd, UnplugDuringAReadEndsThePassAndTheEngineServesTheNextRequest)
{
    auto options = testsupport::ZeroGapSimOptions();
    options.linkName = "COM3";
    // 2 pulses, start (5), identification (6), then a few read frames of 8 bytes.
    options.unplugAfterBytes = 2 + 5 + 6 + 8 * 3 + 4;
    EngineHarness h(options);
    h.engine->portName = "COM3";
    std::array<std::uint8_t, 256> buffer{};
    ASSERT_TRUE(h.engine->StartRead(buffer.data(), 0, 16, false));
    const Pass pass = h.NextPass();
    ASSERT_GE(pass.size(), 4u);
    EXPECT_EQ(pass[3], (Notice{4, 0}));
    const std::uint16_t result = pass.back().value;
    EXPECT_TRUE(result == device::ResultAnswerTimeout || result == device::ResultNoAdapter) << result;
    EXPECT_TRUE(h.sim->Unplugged());
    // Kept without a trace sink: the port went away, which a silent adapter does not do.
    EXPECT_NE(h.engine->lastEnd.portError, 0u);
    EXPECT_EQ(h.engine->lastEnd.place.step, device::TraceStep::Read);

    // Still unplugged: the port is gone.
    ASSERT_TRUE(h.engine->StartReadId(false));
    EXPECT_EQ(h.NextPass(), (Pass{{1, 1}}));

    std::string error;
    ASSERT_TRUE(h.sim->Replug(error)) << error;
    h.sim->Eeprom().Put(0x07, 0x70);
    ASSERT_TRUE(h.engine->StartRead(buffer.data(), 7, 1, false));
    EXPECT_EQ(h.NextPass().back(), (Notice{1, 0}));
    EXPECT_EQ(buffer[7], 0x70);
}

TEST(EngineEndToEnd, DestroyingTheEngineMidConnectionStopsItPromptly)
{
    auto options = testsupport::ZeroGapSimOptions();
    options.byteTiming = true;  // a whole write takes seconds
    EngineHarness h(options);
    std::array<std::uint8_t, 256> buffer{};
    ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0, 256, false));
    ASSERT_TRUE(h.target.WaitForCount(4));  // 0, 2, 3, and a first byte done
    h.engine.reset();                       // returns only once the worker has stopped; a hang fails the test
    // The port was closed and released: another opener gets it.
    EXPECT_EQ(device::CSerialPort::ProbePort(h.sim->SlavePath()), 0);
    // Nothing was posted for the cut-short pass after the destruction.
    const auto messages = h.target.Messages();
    for (const auto& message : messages)
        EXPECT_NE(message.wParam >> 16, device::NotifyFinished);
}

TEST(EngineEndToEnd, IsPortFreeFollowsTheProbe)
{
    EngineHarness h;
    EXPECT_TRUE(h.engine->IsPortFree(h.sim->SlavePath()));
    EXPECT_FALSE(h.engine->IsPortFree("COM12"));
    device::CSerialPort holder;
    ASSERT_EQ(holder.Open(h.sim->SlavePath(), 0, 0, true), 0u);
    EXPECT_FALSE(h.engine->IsPortFree(h.sim->SlavePath()));
    holder.Close();
    EXPECT_TRUE(h.engine->IsPortFree(h.sim->SlavePath()));
}

}  // namespace
