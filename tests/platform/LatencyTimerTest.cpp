// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/LatencyTimer.h"
#include "tests/support/TempPortMap.h"

namespace {

namespace fs = std::filesystem;
using platform::ReadLatencyTimerMs;

TEST(LatencyTimer, ReadsTheTimerOfTheTtyALinkLeadsTo)
{
    testsupport::TempPortMap scratch;  // only for its temporary folder
    const fs::path base = scratch.ConfigHome();
    const fs::path sys = base / "sys";
    const fs::path dev = base / "dev";
    fs::create_directories(dev);
    const auto addTty = [&](const std::string& name, const char* timer) {
        std::ofstream(dev / name).put('\0');
        fs::create_directories(sys / "class" / "tty" / name / "device");
        if (timer)
            std::ofstream(sys / "class" / "tty" / name / "device" / "latency_timer") << timer;
    };
    addTty("ttyUSB0", "1\n");    // low latency granted
    addTty("ttyUSB1", "16\n");   // the chip's default: refused, or asked for by nobody
    addTty("ttyACM0", nullptr);  // a chip without a timer
    addTty("ttyUSB2", "junk\n");
    fs::create_symlink(dev / "ttyUSB1", base / "COM3");

    EXPECT_EQ(ReadLatencyTimerMs((dev / "ttyUSB0").string(), sys.string()), 1);
    EXPECT_EQ(ReadLatencyTimerMs((base / "COM3").string(), sys.string()), 16);
    EXPECT_EQ(ReadLatencyTimerMs((dev / "ttyACM0").string(), sys.string()), -1);
    EXPECT_EQ(ReadLatencyTimerMs((dev / "ttyUSB2").string(), sys.string()), -1);
    EXPECT_EQ(ReadLatencyTimerMs((dev / "ttyUSB9").string(), sys.string()), -1);  // no such line
    // A pseudo-terminal has no timer in the real sysfs either.
    EXPECT_EQ(ReadLatencyTimerMs("/dev/ptmx"), -1);
}

}  // namespace
