// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zaq-sim/PreciseWait.h"

#include <sys/prctl.h>

#include <algorithm>
#include <thread>

namespace zaqsim {

namespace {
constexpr auto kLateLimit = std::chrono::microseconds(20);
constexpr auto kSpinStep = std::chrono::microseconds(1);
constexpr int kLateWeight = 19;  // one late wake-up in kLateWeight + 1
constexpr auto kMinSpin = std::chrono::microseconds(20);
constexpr auto kMaxSpin = std::chrono::microseconds(500);
}  // namespace

void LowerTimerSlack()
{
    (void)prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

SimClock::duration PreciseWaiter::WaitUntil(SimClock::time_point target)
{
    const SimClock::time_point wakeAt = target - spin_;
    SimClock::time_point now = SimClock::now();
    if (now < wakeAt) {
        std::this_thread::sleep_until(wakeAt);
        now = SimClock::now();
        if (now > target) {
            spin_ = std::min<SimClock::duration>(kMaxSpin, spin_ + kLateWeight * kSpinStep);
        } else {
            spin_ = std::max<SimClock::duration>(kMinSpin, spin_ - kSpinStep);
        }
    }
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
