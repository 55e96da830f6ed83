// SPDX-License-Identifier: GPL-3.0-or-later
// When reads and writes complete under the port's time-outs.
#include "platform/TransferPlan.h"

#include <cstdint>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr std::uint64_t kStart = 1000;

CommTimeouts Read(std::uint32_t interval, std::uint32_t multiplier, std::uint32_t constant)
{
    CommTimeouts t;
    t.readIntervalTimeout = interval;
    t.readTotalTimeoutMultiplier = multiplier;
    t.readTotalTimeoutConstant = constant;
    return t;
}

TEST(TransferPlan, NonBlockingReadCompletesAtOnceWithWhateverArrived)
{
    const auto plan = TransferPlan::ForRead(Read(kMaxDword, 0, 0), 10, kStart);
    EXPECT_EQ(plan.GetMode(), TransferPlan::Mode::Immediate);
    EXPECT_TRUE(plan.IsComplete(0, 10, kStart, kStart));
    EXPECT_EQ(plan.NextTimeLimit(0, kStart), TransferPlan::kNever);
}

TEST(TransferPlan, ReadWithoutTimeoutsWaitsForTheWholeCount)
{
    const auto plan = TransferPlan::ForRead(Read(0, 0, 0), 3, kStart);
    EXPECT_EQ(plan.GetMode(), TransferPlan::Mode::Full);
    EXPECT_FALSE(plan.IsComplete(0, 3, kStart + 1'000'000, kStart));
    EXPECT_FALSE(plan.IsComplete(2, 3, kStart + 1'000'000, kStart));
    EXPECT_TRUE(plan.IsComplete(3, 3, kStart, kStart));
    EXPECT_EQ(plan.NextTimeLimit(2, kStart), TransferPlan::kNever);
}

TEST(TransferPlan, TotalTimeoutCountsMultiplierPerByteAndConstant)
{
    const auto plan = TransferPlan::ForRead(Read(0, 10, 50), 4, kStart);  // 90 ms
    EXPECT_FALSE(plan.IsComplete(1, 4, kStart + 89, kStart));
    EXPECT_TRUE(plan.IsComplete(1, 4, kStart + 90, kStart));
    EXPECT_EQ(plan.NextTimeLimit(0, kStart), kStart + 90);
}

TEST(TransferPlan, IntervalTimeoutStartsWithTheFirstByte)
{
    const auto plan = TransferPlan::ForRead(Read(20, 0, 0), 8, kStart);
    EXPECT_FALSE(plan.IsComplete(0, 8, kStart + 500, kStart)) << "no byte yet: no interval";
    EXPECT_EQ(plan.NextTimeLimit(0, kStart), TransferPlan::kNever);
    EXPECT_FALSE(plan.IsComplete(2, 8, kStart + 120, kStart + 100));
    EXPECT_TRUE(plan.IsComplete(2, 8, kStart + 121, kStart + 100));
    EXPECT_EQ(plan.NextTimeLimit(2, kStart + 100), kStart + 121);
}

TEST(TransferPlan, MaximalIntervalWithTotalReturnsOnTheFirstBytes)
{
    const auto plan = TransferPlan::ForRead(Read(kMaxDword, kMaxDword, 200), 16, kStart);
    EXPECT_EQ(plan.GetMode(), TransferPlan::Mode::AnyByte);
    EXPECT_FALSE(plan.IsComplete(0, 16, kStart + 199, kStart));
    EXPECT_TRUE(plan.IsComplete(1, 16, kStart + 1, kStart + 1));
    EXPECT_TRUE(plan.IsComplete(0, 16, kStart + 200, kStart)) << "only the constant counts";
}

TEST(TransferPlan, WritesUseTheWriteTotals)
{
    CommTimeouts t = Read(kMaxDword, 0, 0);
    EXPECT_FALSE(TransferPlan::ForWrite(t, 4, kStart).IsComplete(3, 4, kStart + 1'000'000, kStart));
    t.writeTotalTimeoutMultiplier = 2;
    t.writeTotalTimeoutConstant = 10;
    const auto plan = TransferPlan::ForWrite(t, 5, kStart);  // 20 ms
    EXPECT_FALSE(plan.IsComplete(3, 5, kStart + 19, kStart));
    EXPECT_TRUE(plan.IsComplete(3, 5, kStart + 20, kStart));
    EXPECT_TRUE(plan.IsComplete(0, 0, kStart, kStart)) << "nothing to write";
}

}  // namespace
