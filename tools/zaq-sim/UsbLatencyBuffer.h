// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host-bound side of a USB serial chip: what comes off the line waits in the chip until its
// latency timer expires or a packet's worth has gathered, and then goes to the host at once.
// Pure logic: times in, release times out.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/zaq-sim/WireLog.h"

namespace zaqsim {

// Data bytes in one full-speed bulk packet, after the chip's two status bytes.
inline constexpr std::size_t kUsbPacketBytes = 62;

struct UsbRelease {
    SimClock::time_point time;
    std::vector<std::uint8_t> bytes;
};

class UsbLatencyBuffer {
public:
    // The timer starts at `start`; a latency of zero hands every byte on when it arrives.
    UsbLatencyBuffer(SimClock::duration latency, SimClock::time_point start);

    // A byte off the line at `time`; times never go back. A release carries the bytes that came
    // before it: one that comes at the very time of an expiry waits for the next.
    void Add(std::uint8_t byte, SimClock::time_point time);
    // When the next release carrying bytes is due; time_point::max() when none waits.
    SimClock::time_point NextRelease() const;
    // The releases due by `now`, oldest first.
    std::vector<UsbRelease> TakeDue(SimClock::time_point now);
    // Everything held, as one release at `now`, and the timer restarted there.
    std::vector<UsbRelease> TakeAll(SimClock::time_point now);
    bool Empty() const { return held_.empty() && due_.empty(); }

private:
    // Moves the timer to the last expiry at or before `time`, releasing what waited for it.
    void RunTimerTo(SimClock::time_point time);
    void Release(SimClock::time_point time);

    SimClock::duration latency_;
    // The timer runs whether or not anything waits (an idle chip sends status-only packets), so
    // expiries fall every `latency_` from the last release, a full packet's included.
    SimClock::time_point lastRelease_;
    std::vector<std::uint8_t> held_;
    std::vector<UsbRelease> due_;
};

}  // namespace zaqsim
