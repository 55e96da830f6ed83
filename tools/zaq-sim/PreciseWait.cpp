// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zaq-sim/PreciseWait.h"

#include <sys/prctl.h>

#include <thread>

namespace zaqsim {

namespace {
// A thread woken from a sleep with the slack lowered runs some 40 us late on a busy machine;
// this much is spun instead.
constexpr auto kSpinStretch = std::chrono::microseconds(80);
constexpr auto kLateLimit = std::chrono::microseconds(20);
}  // namespace

void LowerTimerSlack()
{
    (void)prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

SimClock::duration WaitPrecisely(SimClock::time_point target)
{
    if (SimClock::now() < target - kSpinStretch)
        std::this_thread::sleep_until(target - kSpinStretch);
    SimClock::time_point now = SimClock::now();
    while (now < target)
        now = SimClock::now();
    return now - target;
}

void TimingErrors::Record(SimClock::duration late)
{
    const std::int64_t nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(late).count();
    ++count_;
    if (late > kLateLimit)
        ++late_;
    std::int64_t seen = maxNanos_.load();
    while (nanos > seen && !maxNanos_.compare_exchange_weak(seen, nanos)) {}
}

void TimingErrors::Reset()
{
    count_ = 0;
    late_ = 0;
    maxNanos_ = 0;
}

}  // namespace zaqsim
