// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <cstdint>

namespace device {

// A point in time some milliseconds ahead, on the monotonic 64-bit millisecond clock, so a
// deadline never wraps around.
class CDeadline {
public:
    explicit CDeadline(std::uint32_t ms);
    void Set(std::uint32_t ms);
    // True until the clock has passed the deadline; still true in the very tick it falls on.
    bool Pending() const;
    // The moment Pending turns false, for a wait that blocks until then.
    std::chrono::steady_clock::time_point Until() const;

private:
    std::uint64_t deadline;
};

}  // namespace device
