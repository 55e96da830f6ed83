// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-frame sending: the engine against the simulated adapter and device over a real
// pseudo-terminal, compared with byte-by-byte sending.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "tests/device/EngineHarness.h"
#include "tests/device/RecordingTrace.h"

namespace {

using enginetest::Bytes;
using enginetest::EngineHarness;
using enginetest::Notice;
using Pass = std::vector<Notice>;
using Image = std::array<std::uint8_t, 256>;

struct Sending {
    const char* name;
    bool wholeFrames;
    std::uint32_t byteGapMs;
};
constexpr Sending kByteByByte{"byte by byte", false, 0};
constexpr Sending kWholeFrames{"whole frames", true, 0};
constexpr Sending kWholeFramesWithGap{"whole frames 2 ms apart", true, 2};

void Apply(const Sending& sending, device::CDeviceZAQ& engine)
{
    engine.sendWholeFrames = sending.wholeFrames;
    engine.frameByteGapMs = sending.byteGapMs;
}

Image Pattern()
{
    Image image;
    for (int i = 0; i < 256; ++i)
        image[i] = std::uint8_t(0x3C ^ (i * 11));
    return image;
}

TEST(EngineWholeFrames, PutTheSameBytesOnTheWireAsByteByByteAndGetTheSameResults)
{
    struct Outcome {
        Pass pass;
        Bytes wire;
        std::string id;
        Image buffer{};
        Image eeprom{};
    };
    struct Operation {
        const char* name;
        std::function<bool(device::CDeviceZAQ&, Image&)> start;
    };
    const Operation operations[] = {
        {"ID", [](device::CDeviceZAQ& e, Image&) { return e.StartReadId(true); }},
        {"read", [](device::CDeviceZAQ& e, Image& b) { return e.StartRead(b.data(), 0x20, 3, false); }},
        {"verified write",
         [](device::CDeviceZAQ& e, Image& b) {
             b[0x40] = 0xA5;
             b[0x41] = 0x5A;
             e.verifyAfterWrite = true;
             return e.StartWrite(b.data(), 0x40, 2, false);
         }},
    };
    for (const Operation& operation : operations) {
        SCOPED_TRACE(operation.name);
        std::vector<Outcome> outcomes;
        for (const Sending& sending : {kByteByByte, kWholeFrames, kWholeFramesWithGap}) {
            SCOPED_TRACE(sending.name);
            EngineHarness h;
            h.sim->Eeprom().Fill(Pattern());
            Apply(sending, *h.engine);
            Outcome outcome;
            ASSERT_TRUE(operation.start(*h.engine, outcome.buffer));
            outcome.pass = h.NextPass();
            EXPECT_EQ(outcome.pass.back(), (Notice{device::NotifyFinished, device::ResultOk}));
            outcome.wire = h.sim->Log().ClientBytes();
            outcome.id = h.engine->idText;
            outcome.eeprom = h.sim->Eeprom().Bytes();
            outcomes.push_back(outcome);
        }
        for (std::size_t i = 1; i < outcomes.size(); ++i) {
            EXPECT_EQ(outcomes[i].wire, outcomes[0].wire) << i;
            EXPECT_EQ(outcomes[i].pass, outcomes[0].pass) << i;
            EXPECT_EQ(outcomes[i].id, outcomes[0].id) << i;
            EXPECT_EQ(outcomes[i].buffer, outcomes[0].buffer) << i;
            EXPECT_EQ(outcomes[i].eeprom, outcomes[0].eeprom) << i;
        }
    }
}

TEST(EngineWholeFrames, ChangedEchoIsALineErrorAndAMissingOneNoAdapterInEitherSending)
{
    struct Case {
        const char* name;
        Sending sending;
        zaqsim::SimOptions sim;
        device::DeviceResult result;
        // Bytes the device got: byte by byte stops at the failing byte, a whole frame is out
        // before its echoes are looked at.
        std::size_t clientBytes;
        const char* trace;
        const char* end;
        std::uint32_t echoes;  // taken before it ended, a changed one included
    };
    // The third byte of the connection start, after the two pulses.
    auto changed = testsupport::ZeroGapSimOptions();
    changed.corruptEcho = 2 + 3;
    // The connection start's checksum: the device ignores the frame, the engine must not wait.
    auto changedChecksum = testsupport::ZeroGapSimOptions();
    changedChecksum.corruptEcho = 2 + 5;
    // The fourth byte of the identification never reaches the device: it does not answer.
    auto lost = testsupport::ZeroGapSimOptions();
    lost.loseByte = 2 + 5 + 4;
    const Case cases[] = {
        {"changed, byte by byte", kByteByByte, changed, device::ResultLineError, 2 + 3,
         "sent F3, echo F2: changed", "result 6: changed echo for byte 3 of the connection start request",
         2 + 3},
        {"changed, whole frames", kWholeFrames, changed, device::ResultLineError, 2 + 5,
         "sent 81 21 F3 81 16 at once, echo 81 21 F2 81 16: byte 3 changed",
         "result 6: changed echo for byte 3 of the connection start request", 2 + 5},
        {"changed checksum, whole frames", kWholeFrames, changedChecksum, device::ResultLineError, 2 + 5,
         "sent 81 21 F3 81 16 at once, echo 81 21 F3 81 17: byte 5 changed",
         "result 6: changed echo for byte 5 of the connection start request", 2 + 5},
        {"lost, byte by byte", kByteByByte, lost, device::ResultNoAdapter, 2 + 5 + 4, "sent 3C, no echo",
         "result 3: no echo for byte 4 of the identification request", 2 + 5 + 3},
        // Which echo of the frame is missing cannot be told: the last one is.
        {"lost, whole frames", kWholeFrames, lost, device::ResultNoAdapter, 2 + 5 + 6,
         "sent 82 21 F3 3C 00 D2 at once, echo 82 21 F3 00 D2, then no echo",
         "result 3: no echo for byte 6 of the identification request", 2 + 5 + 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineHarness h(c.sim);
        enginetest::RecordingTrace trace;
        h.engine->traceSink = &trace;
        Apply(c.sending, *h.engine);
        ASSERT_TRUE(h.engine->StartReadId(false));
        EXPECT_EQ(h.NextPass().back(), (Notice{device::NotifyFinished, std::uint16_t(c.result)}));
        EXPECT_EQ(h.sim->Log().ClientByteCount(), c.clientBytes);
        const auto lines = trace.Texts();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], c.trace);
        EXPECT_EQ(lines.back(), c.end);
        EXPECT_EQ(h.engine->lastEnd.echoes, c.echoes);
        EXPECT_EQ(h.engine->lastEnd.portError, 0u) << "the port stayed";
    }
}

}  // namespace
