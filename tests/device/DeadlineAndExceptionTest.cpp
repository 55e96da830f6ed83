// SPDX-License-Identifier: GPL-3.0-or-later
// CDeadline on the monotonic clock; CExceptionEx and FormatSystemMessage texts.
#include "device/CDeadline.h"
#include "device/CExceptionEx.h"
#include "device/FormatSystemMessage.h"
#include "platform/Clock.h"
#include "platform/ErrorCodes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <thread>

namespace {

TEST(Deadline, ZeroIsPendingInItsOwnTickAndEndsWhenTheClockMovesOn)
{
    // Retry until the tick did not change between setting and checking.
    for (;;) {
        const std::uint64_t before = platform::TickCount64();
        device::CDeadline deadline(0);
        const bool pending = deadline.Pending();
        if (platform::TickCount64() != before)
            continue;
        EXPECT_TRUE(pending);
        while (platform::TickCount64() == before)
            std::this_thread::yield();
        EXPECT_FALSE(deadline.Pending());
        break;
    }
}

TEST(Deadline, SetMovesTheDeadlineAndLargeValuesDoNotWrap)
{
    device::CDeadline deadline(0);
    const std::uint64_t start = platform::TickCount64();
    while (platform::TickCount64() == start)
        std::this_thread::yield();
    ASSERT_FALSE(deadline.Pending());
    deadline.Set(0xFFFFFFFF);
    EXPECT_TRUE(deadline.Pending()) << "a 32-bit tick sum would have wrapped to the past";
    deadline.Set(60'000);
    EXPECT_TRUE(deadline.Pending());
}

TEST(ExceptionEx, CarriesTheSystemTextForACode)
{
    const device::CExceptionEx e("CThreadEx::Start()", 5u);
    EXPECT_EQ(e.GetContext(), "CThreadEx::Start()");
    EXPECT_EQ(e.GetMessage(), platform::ErrnoText(platform::ErrnoOfCode(5)));
    EXPECT_EQ(e.GetCode(), 5u);

    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization): the copy is what is tested
    const device::CExceptionEx copy = e;
    EXPECT_EQ(copy.GetContext(), e.GetContext());
    EXPECT_EQ(copy.GetMessage(), e.GetMessage());
    EXPECT_EQ(copy.GetCode(), 5u);
}

TEST(ExceptionEx, FixedTextHasCodeZero)
{
    const device::CExceptionEx e("WaitEvent()", "Timeout on infinite wait");
    EXPECT_EQ(e.GetMessage(), "Timeout on infinite wait");
    EXPECT_EQ(e.GetCode(), 0u);
}

TEST(SystemMessage, KnownCodesHaveTheSystemsTextsAndUnknownOnesNameTheNumber)
{
    for (const std::uint32_t code : {platform::kErrorFileNotFound, platform::kErrorTimeout}) {
        EXPECT_EQ(device::FormatSystemMessage(code), platform::ErrnoText(platform::ErrnoOfCode(code)))
            << code;
    }
    const std::string unknown = device::FormatSystemMessage(0x12345);
    EXPECT_NE(unknown.find("0x12345"), std::string::npos) << unknown;
}

}  // namespace
