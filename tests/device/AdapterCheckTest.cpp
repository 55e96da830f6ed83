// SPDX-License-Identifier: GPL-3.0-or-later
// The adapter check against zaq-sim on a real pseudo-terminal: echoing, silent, changing bytes,
// held by another program.
#include "device/AdapterCheck.h"
#include "platform/SerialBackend.h"
#include "tests/support/FakeSysfs.h"
#include "tests/support/TempPortMap.h"
#include "tests/support/TestSimulator.h"
#include "tools/zaq-sim/Simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>

using namespace device;

namespace {

class AdapterCheckOnSim : public testing::Test {
protected:
    void StartSim(zaqsim::SimOptions options = {})
    {
        sim_ = testsupport::StartSimulator(std::move(options));
        portMap_.Link("COM5", sim_->SlavePath());
    }
    // Echoes are waited for as long as a loaded machine may take to pass them on: with the
    // second an adapter gets, a stalled simulator would make an echo missing.
    static AdapterCheckOptions Patient()
    {
        AdapterCheckOptions options;
        options.echoTimeoutMs = 30000;
        return options;
    }
    AdapterCheckResult Check(AdapterCheckOptions options = Patient())
    {
        options.roots = sysfs_.Roots();
        return CheckAdapter("COM5", platform::DefaultSerialBackend(), options);
    }
    std::string PtsName() const { return std::filesystem::path(sim_->SlavePath()).filename().string(); }

    testsupport::TempPortMap portMap_;
    testsupport::FakeSysfs sysfs_;
    std::unique_ptr<zaqsim::Simulator> sim_;
};

TEST_F(AdapterCheckOnSim, AnEchoingAdapterPassesAtBothFormatsAndTheDeviceStaysAsleep)
{
    zaqsim::SimOptions options;
    options.byteTiming = true;
    StartSim(options);
    // What sysfs would say if this terminal were an FTDI cable.
    sysfs_.AddUsbSerial(PtsName(), "ftdi_sio", {"0403", "6001", "FT232R USB UART", "FTDI", "A5"}, 16);
    const AdapterCheckResult result = Check();

    EXPECT_TRUE(result.opened);
    EXPECT_TRUE(result.exclusive);
    EXPECT_EQ(result.path, sim_->SlavePath());
    for (const LineFormatCheck* format : {&result.pulseFormat, &result.frameFormat}) {
        EXPECT_TRUE(format->accepted);
        EXPECT_TRUE(format->readBack);
        EXPECT_EQ(format->actualBaud, format->baud);
        EXPECT_EQ(format->actualParity, format->parity);
        EXPECT_EQ(format->sent, 20u);
        EXPECT_EQ(format->echoed, 20u);
        EXPECT_EQ(format->changed, 0u);
        EXPECT_LE(format->minMs, format->medianMs);
        EXPECT_LE(format->medianMs, format->maxMs);
    }
    EXPECT_EQ(result.pulseFormat.baud, 400u);
    EXPECT_EQ(result.pulseFormat.parity, platform::kSpaceParity);
    EXPECT_EQ(result.frameFormat.baud, 10472u);
    EXPECT_EQ(result.frameFormat.parity, platform::kNoParity);
    // The simulator holds each echo for its 11 bits at 400 baud.
    EXPECT_GE(result.pulseFormat.minMs, 27.0);
    EXPECT_FALSE(result.lowLatency.has_value()) << "a pseudo-terminal has no such option";
    EXPECT_EQ(result.device.driver, "ftdi_sio");
    EXPECT_EQ(result.device.latencyTimerMs, 16u);
    EXPECT_EQ(VerdictOf(result), AdapterVerdict::Echoes);

    const auto clientBytes = sim_->Log().ClientBytes();
    EXPECT_EQ(clientBytes.size(), 40u);
    EXPECT_EQ(std::count(clientBytes.begin(), clientBytes.end(), 0x00), 0) << "no wake-up pulse was sent";
    EXPECT_TRUE(zaqsim::FramesOf(sim_->Log().Frames(), zaqsim::FrameKind::Pulse).empty());
}

TEST_F(AdapterCheckOnSim, NoEchoEndsEachFormatAtItsFirstSilentByte)
{
    zaqsim::SimOptions options;
    options.noEcho = true;
    StartSim(options);
    AdapterCheckOptions checkOptions;
    checkOptions.echoTimeoutMs = 200;
    const AdapterCheckResult result = Check(checkOptions);
    EXPECT_TRUE(result.opened);
    for (const LineFormatCheck* format : {&result.pulseFormat, &result.frameFormat}) {
        EXPECT_TRUE(format->accepted);
        EXPECT_EQ(format->sent, 1u);
        EXPECT_EQ(format->echoed, 0u);
    }
    EXPECT_EQ(VerdictOf(result), AdapterVerdict::NoEcho);
}

TEST_F(AdapterCheckOnSim, AChangedEchoMakesTheEchoFaulty)
{
    zaqsim::SimOptions options;
    options.corruptEcho = 25;  // the fifth byte at the frame format
    StartSim(options);
    const AdapterCheckResult result = Check();
    EXPECT_EQ(result.pulseFormat.changed, 0u);
    EXPECT_EQ(result.frameFormat.changed, 1u);
    EXPECT_EQ(result.frameFormat.echoed, 20u);
    EXPECT_EQ(VerdictOf(result), AdapterVerdict::EchoFaulty);
}

TEST_F(AdapterCheckOnSim, APortHeldByAnotherProgramCannotBeOpenedAndSaysWhy)
{
    StartSim();
    platform::SerialBackend& backend = platform::DefaultSerialBackend();
    const platform::CommHandle holder = backend.CreateFile("COM5", false);
    ASSERT_NE(holder, platform::kNullHandle);
    const AdapterCheckResult result = Check();
    backend.CloseHandle(holder);
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(result.openFailure.err, EBUSY);
    EXPECT_EQ(VerdictOf(result), AdapterVerdict::CannotOpen);
    EXPECT_EQ(result.openFailure.path, sim_->SlavePath());
    EXPECT_TRUE(sim_->Log().ClientBytes().empty());
}

}  // namespace
