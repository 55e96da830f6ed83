// The wake-up pattern with the engine's own timing, measured where the device sees it.
#include <gtest/gtest.h>

#include <chrono>

#include "EngineHarness.h"

namespace {

using enginetest::EngineHarness;
using Ms = std::chrono::duration<double, std::milli>;

// Scheduling on a busy machine can delay a byte by a few milliseconds either way and the
// deadline polling overshoots by up to a tick; the quiet times must still be recognisable.
constexpr double kEarlyToleranceMs = 5;
constexpr double kLateToleranceMs = 60;

TEST(EngineWakeUpTiming, QuietTimesCountFromJustBeforeEachPulse)
{
    zaqsim::SimOptions options;  // the device's own minimum quiet times
    EngineHarness h(options);
    h.engine->pulseMs = 25;
    h.engine->idleAfterPulse1Ms = 590;
    h.engine->idleAfterPulse2Ms = 230;
    ASSERT_TRUE(h.engine->StartReadId(false));
    ASSERT_EQ(h.NextPass().back().value, 0);

    const auto frames = h.sim->Log().Frames();
    ASSERT_GE(frames.size(), 3u);
    ASSERT_EQ(frames[0].kind, zaqsim::FrameKind::Pulse);
    ASSERT_EQ(frames[1].kind, zaqsim::FrameKind::Pulse);
    const double gap1 = Ms(frames[1].time - frames[0].time).count();
    const double gap2 = Ms(frames[2].time - frames[1].time).count();
    EXPECT_GT(gap1, 615 - kEarlyToleranceMs);
    EXPECT_LT(gap1, 615 + kLateToleranceMs);
    EXPECT_GT(gap2, 255 - kEarlyToleranceMs);
    EXPECT_LT(gap2, 255 + kLateToleranceMs);
    EXPECT_EQ(frames[0].line.baud, 400u);
    EXPECT_EQ(frames[2].line.baud, 10472u);
    EXPECT_FALSE(frames[2].line.markSpace);
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
