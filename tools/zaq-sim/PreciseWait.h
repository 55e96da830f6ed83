// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Waiting to the microsecond, so that simulated wire times hold on an ordinary kernel.

#include <atomic>
#include <cstdint>

#include "tools/zaq-sim/WireLog.h"

namespace zaqsim {

// Lets the calling thread's timers fire when due instead of up to 50 us later.
void LowerTimerSlack();

// Sleeps until shortly before a target, then spins to it. How long before is learnt from the
// wake-ups: it grows when one comes later than that and shrinks while they come in time, so
// that about one wake-up in twenty is late, and the spinning stays as short as the machine lets it.
class PreciseWaiter {
public:
    // Returns how late it ended.
    SimClock::duration WaitUntil(SimClock::time_point target);
    // How long before a target a wait on something else should end, for this one to meet it.
    SimClock::duration WakeEarly() const { return 2 * spin_; }

private:
    SimClock::duration spin_ = std::chrono::microseconds(100);
};

// How far timed output came after its due time; written by the serving thread, read by anyone.
class TimingErrors {
public:
    void Record(SimClock::duration late);
    void Reset();
    std::uint64_t Count() const { return count_.load(); }
    // Output more than 20 us late.
    std::uint64_t Late() const { return late_.load(); }
    double MaxMicros() const { return double(maxNanos_.load()) / 1000; }

private:
    std::atomic<std::uint64_t> count_{0};
    std::atomic<std::uint64_t> late_{0};
    std::atomic<std::int64_t> maxNanos_{0};
};

}  // namespace zaqsim
