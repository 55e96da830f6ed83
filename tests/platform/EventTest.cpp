// SPDX-License-Identifier: GPL-3.0-or-later
// The event primitive: reset modes, time-outs and stop requests.
#include "platform/Event.h"

#include <gtest/gtest.h>

#include <thread>

using namespace platform;

namespace {

TEST(Event, ManualResetStaysSignalledUntilReset)
{
    Event event(true, false);
    EXPECT_EQ(event.Wait(0), WaitResult::TimedOut);
    event.Set();
    EXPECT_EQ(event.Wait(0), WaitResult::Signalled);
    EXPECT_EQ(event.Wait(kInfinite), WaitResult::Signalled);
    event.Reset();
    EXPECT_FALSE(event.IsSet());
    EXPECT_EQ(event.Wait(5), WaitResult::TimedOut);
}

TEST(Event, AutoResetIsConsumedByOneWait)
{
    Event event(false, true);
    EXPECT_EQ(event.Wait(0), WaitResult::Signalled);
    EXPECT_EQ(event.Wait(0), WaitResult::TimedOut);
}

TEST(Event, StopRequestWakesAnInfiniteWait)
{
    Event event(false, false);
    std::stop_source stop;
    std::thread stopper([&] { stop.request_stop(); });
    EXPECT_EQ(event.Wait(kInfinite, stop.get_token()), WaitResult::Stopped);
    stopper.join();
    event.Set();
    EXPECT_EQ(event.Wait(kInfinite, stop.get_token()), WaitResult::Signalled) << "a signal still counts";
}

}  // namespace
