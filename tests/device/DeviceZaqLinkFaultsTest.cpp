// The engine against faults of the device and the line, over a real pseudo-terminal.
#include <gtest/gtest.h>

#include <array>

#include "tests/device/EngineHarness.h"

namespace {

using enginetest::Bytes;
using enginetest::EngineHarness;
using enginetest::Notice;
using Pass = std::vector<Notice>;

zaqsim::SimOptions Options()
{
    return enginetest::ShortenedSimOptions();
}

TEST(EngineLinkFaults, RefusedWriteStepReadAndIdEndWithTheReasonAndChangeNothing)
{
    {
        auto options = Options();
        options.refuseAnswer = 3;  // start, identification, then the first write step
        EngineHarness h(options);
        std::array<std::uint8_t, 256> buffer{};
        buffer[0x40] = 0xAB;
        ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0x40, 2, false));
        EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {3, 2}, {1, device::ResultRefused}}));
        EXPECT_EQ(h.engine->refusalCode, zaqsim::kRefusalReason);
        EXPECT_EQ(h.sim->Eeprom().Get(0x40), 0x00);
        EXPECT_EQ(h.WireFrames().size(), 3u);  // no further step, no stop frame

        // The next request starts clean: a good pass leaves no reason behind.
        ASSERT_TRUE(h.engine->StartReadId(false));
        EXPECT_EQ(h.NextPass().back(), (Notice{1, 0}));
        EXPECT_EQ(h.engine->refusalCode, 0);
    }
    {
        auto options = Options();
        options.refuseAnswer = 3;
        EngineHarness h(options);
        h.sim->Eeprom().Put(0x10, 0x5A);
        std::array<std::uint8_t, 256> buffer{};
        ASSERT_TRUE(h.engine->StartRead(buffer.data(), 0x10, 1, false));
        EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {3, 1}, {1, device::ResultRefused}}));
        EXPECT_EQ(buffer[0x10], 0x00);  // no byte of the refusal is taken as EEPROM data
    }
    {
        auto options = Options();
        options.refuseAnswer = 2;
        EngineHarness h(options);
        ASSERT_TRUE(h.engine->StartReadId(false));
        EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {1, device::ResultRefused}}));
        EXPECT_EQ(h.engine->idText, "");
        EXPECT_EQ(h.engine->refusalCode, zaqsim::kRefusalReason);
    }
}

TEST(EngineLinkFaults, LongAndShortAnswersYieldTheSameIdAndBytes)
{
    std::array<std::string, 2> ids;
    std::array<std::array<std::uint8_t, 256>, 2> read{};
    for (int form = 0; form < 2; ++form) {
        auto options = Options();
        options.longAnswers = form == 1;
        EngineHarness h(options);
        for (int i = 0; i < 8; ++i)
            h.sim->Eeprom().Put(std::uint8_t(0x30 + i), std::uint8_t(0xC0 + i));
        ASSERT_TRUE(h.engine->StartRead(read[form].data(), 0x30, 8, false));
        ASSERT_EQ(h.NextPass().back(), (Notice{1, 0}));
        ids[form] = h.engine->idText;
    }
    EXPECT_EQ(ids[0], "MB: 0A1 B2C 3D 4E 2211 4433");
    EXPECT_EQ(ids[1], ids[0]);
    EXPECT_EQ(read[1], read[0]);
    EXPECT_EQ(read[1][0x37], 0xC7);
}

TEST(EngineLinkFaults, StaleBytesInTheReceiveQueueAreDroppedBeforeTheWakeUp)
{
    auto options = Options();
    // A late identification answer of an earlier connection, and more.
    options.staleBytes = {0x8E, 0xF3, 0x21, 0x7C, 0x00, 0x0A, 0x00, 0x55};
    EngineHarness h(options);
    ASSERT_TRUE(h.engine->StartReadId(false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {1, 0}}));
    EXPECT_EQ(h.engine->idText, "MB: 0A1 B2C 3D 4E 2211 4433");
}

TEST(EngineLinkFaults, ChangedEchoEndsTheConnectionWithALineErrorAtThatByte)
{
    auto options = Options();
    options.corruptEcho = 2 + 3;  // the third byte of the connection start
    EngineHarness h(options);
    ASSERT_TRUE(h.engine->StartReadId(false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {1, device::ResultLineError}}));
    // Nothing was sent after the byte that came back changed.
    EXPECT_EQ(h.sim->Log().ClientByteCount(), 5u);
}

}  // namespace
