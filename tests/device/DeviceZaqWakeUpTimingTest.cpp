// SPDX-License-Identifier: GPL-3.0-or-later
// The wake-up pattern with the engine's own timing, measured where the device sees it.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "tests/device/EngineHarness.h"

namespace {

using enginetest::EngineHarness;
using Ms = std::chrono::duration<double, std::milli>;

// Scheduling on a busy machine can delay the simulator's reading of a byte by some
// milliseconds, and the deadline polling overshoots by up to a tick. A fault in the timing is
// systematic, scheduling noise is not: the best of a few connections is judged.
constexpr double kEarlyToleranceMs = 5;
constexpr double kLateToleranceMs = 60;
constexpr int kAttempts = 3;

struct WakeUpGaps {
    double pulses = 0;      // first pulse to second
    double firstFrame = 0;  // second pulse to the first frame byte
    double Error() const { return std::abs(pulses - 615) + std::abs(firstFrame - 255); }
};

TEST(EngineWakeUpTiming, QuietTimesCountFromJustBeforeEachPulse)
{
    EngineHarness h;  // the simulator accepts any gaps: the test measures them itself
    h.engine->pulseMs = 25;
    h.engine->idleAfterPulse1Ms = 590;
    h.engine->idleAfterPulse2Ms = 230;
    WakeUpGaps best;
    best.pulses = 1e9;
    for (int attempt = 0; attempt < kAttempts && best.Error() >= kEarlyToleranceMs; ++attempt) {
        h.sim->Log().Clear();
        ASSERT_TRUE(h.engine->StartReadId(false));
        ASSERT_EQ(h.NextPass().back(), (enginetest::Notice{device::NotifyFinished, device::ResultOk}));
        const auto frames = h.sim->Log().Frames();
        ASSERT_GE(frames.size(), 3u);
        ASSERT_EQ(frames[0].kind, zaqsim::FrameKind::Pulse);
        ASSERT_EQ(frames[1].kind, zaqsim::FrameKind::Pulse);
        EXPECT_EQ(frames[0].line.baud, 400u);
        EXPECT_EQ(frames[2].line.baud, 10472u);
        EXPECT_FALSE(frames[2].line.markSpace);
        const WakeUpGaps gaps{Ms(frames[1].time - frames[0].time).count(),
                              Ms(frames[2].time - frames[1].time).count()};
        if (gaps.Error() < best.Error())
            best = gaps;
    }
    EXPECT_GT(best.pulses, 615 - kEarlyToleranceMs);
    EXPECT_LT(best.pulses, 615 + kLateToleranceMs);
    EXPECT_GT(best.firstFrame, 255 - kEarlyToleranceMs);
    EXPECT_LT(best.firstFrame, 255 + kLateToleranceMs);
}

TEST(EngineWakeUpTiming, PulseBaudIsIntegerDivisionOfTenThousand)
{
    EngineHarness h;
    h.engine->pulseMs = 30;
    ASSERT_TRUE(h.engine->StartReadId(false));
    ASSERT_EQ(h.NextPass().back().value, 0);
    const auto pulses = zaqsim::FramesOf(h.sim->Log().Frames(), zaqsim::FrameKind::Pulse);
    ASSERT_EQ(pulses.size(), 2u);
    EXPECT_EQ(pulses[0].line.baud, 333u);
}

}  // namespace
