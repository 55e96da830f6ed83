// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tools/zaq-sim/EepromImage.h"
#include "tools/zaq-sim/SimOptions.h"

namespace {

bool Parse(const std::vector<std::string>& args, zaqsim::SimOptions& options, std::string& error)
{
    return zaqsim::ParseSimOptions(args, options, error);
}

TEST(SimOptions, ParsesEveryOptionAndTheEepromFile)
{
    zaqsim::SimOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"--link",
                       "com7",
                       "--long",
                       "--byte-timing",
                       "--usb-latency",
                       "16",
                       "--response-delay",
                       "20",
                       "--min-gap1",
                       "50",
                       "--min-gap2",
                       "20",
                       "--id",
                       "00112233445566778899AABB",
                       "--no-echo",
                       "--silent-from",
                       "4",
                       "--bad-checksum",
                       "2",
                       "--unplug-after",
                       "30",
                       "--log",
                       "wire.txt",
                       "image.bin"},
                      o, error))
        << error;
    EXPECT_EQ(o.linkName, "COM7") << "registered as probex-cli looks it up";
    EXPECT_TRUE(o.longAnswers && o.byteTiming && o.noEcho);
    EXPECT_EQ(o.responseDelayMs, 20u);
    EXPECT_EQ(o.usbLatencyMs, 16u);
    EXPECT_EQ(o.minGap1Ms, 50u);
    EXPECT_EQ(o.minGap2Ms, 20u);
    EXPECT_EQ(o.idBytes[11], 0xBB);
    EXPECT_EQ(o.silentFromFrame, 4u);
    EXPECT_EQ(o.badChecksumAnswer, 2u);
    EXPECT_EQ(o.unplugAfterBytes, 30u);
    EXPECT_EQ(o.logPath, "wire.txt");
    EXPECT_EQ(o.eepromPath, "image.bin");
}

TEST(SimOptions, ParsesTheLinkFaults)
{
    zaqsim::SimOptions o;
    std::string error;
    ASSERT_TRUE(
        Parse({"--refuse", "3", "--short-answer", "4", "--corrupt-echo", "7", "--lose-byte", "9", "--stale",
               "c17f0a", "--unplug-in-answer", "2", "--ignore-writes", "--any-line-format", "image.bin"},
              o, error))
        << error;
    EXPECT_TRUE(o.ignoreWrites);
    EXPECT_TRUE(o.anyLineFormat);
    EXPECT_FALSE(zaqsim::SimOptions{}.anyLineFormat);
    EXPECT_FALSE(zaqsim::SimOptions{}.ignoreWrites);
    EXPECT_NE(std::string(zaqsim::kSimUsage).find("--ignore-writes"), std::string::npos);
    EXPECT_EQ(o.refuseAnswer, 3u);
    EXPECT_EQ(o.shortAnswer, 4u);
    EXPECT_EQ(o.corruptEcho, 7u);
    EXPECT_EQ(o.loseByte, 9u);
    EXPECT_EQ(o.unplugInAnswer, 2u);
    EXPECT_EQ(o.staleBytes, (std::vector<std::uint8_t>{0xC1, 0x7F, 0x0A}));
    for (const char* stale : {"", "1", "0g", "123"}) {
        zaqsim::SimOptions other;
        EXPECT_FALSE(Parse({"--stale", stale, "image.bin"}, other, error)) << stale;
    }
}

TEST(SimOptions, RefusesBadArguments)
{
    const std::vector<std::vector<std::string>> bad = {
        {},                            // no EEPROM file
        {"a.bin", "b.bin"},            // two files
        {"--link", "ttyS0", "a.bin"},  // not a COM name
        {"--silent-from", "x", "a.bin"},
        {"--response-delay"},       // value missing
        {"--id", "0011", "a.bin"},  // too short
        {"--id", "GG112233445566778899AABB", "a.bin"},
        {"--frobnicate", "a.bin"},
        {"--usb-latency", "0", "a.bin"},  // a chip's timer runs 1 to 255 ms
        {"--usb-latency", "256", "a.bin"},
    };
    for (const auto& args : bad) {
        zaqsim::SimOptions o;
        std::string error;
        EXPECT_FALSE(Parse(args, o, error)) << (args.empty() ? "" : args.front());
        EXPECT_FALSE(error.empty());
    }
}

class SimEepromFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("zaqsim-eeprom-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path folder_;
};

TEST_F(SimEepromFile, MissingFileIsCreatedZeroedAndWritesPersist)
{
    const std::string path = (folder_ / "image.bin").string();
    zaqsim::EepromImage image;
    std::string error;
    ASSERT_TRUE(image.Load(path, error)) << error;
    EXPECT_EQ(std::filesystem::file_size(path), 256u);
    image.Put(0x42, 0x99);

    zaqsim::EepromImage reloaded;
    ASSERT_TRUE(reloaded.Load(path, error)) << error;
    EXPECT_EQ(reloaded.Get(0x42), 0x99);
    EXPECT_EQ(reloaded.Get(0x41), 0x00);
}

TEST_F(SimEepromFile, FileOfAnotherSizeIsRefusedAndLeftAlone)
{
    const std::string path = (folder_ / "short.bin").string();
    std::ofstream(path, std::ios::binary) << "abc";
    zaqsim::EepromImage image;
    std::string error;
    EXPECT_FALSE(image.Load(path, error));
    EXPECT_NE(error.find("256"), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(path), 3u);
}

}  // namespace
