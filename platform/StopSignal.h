// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-way "stop now" flag that poll() can wait on beside a port, so a thread blocked on its
// port wakes at once when it is asked to stop.
#include <chrono>

namespace platform {

class StopSignal {
public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    // Raised for good; safe from any thread.
    void Raise();
    bool IsRaised() const;
    // Readable once raised; -1 when the system gave no descriptor (waits then only time out).
    int Fd() const { return fd_; }

    // Sleeps until `until` or until raised; false when raised.
    bool SleepUntil(std::chrono::steady_clock::time_point until) const;

private:
    int fd_;
};

// Waits until `fd` is readable or hung up, `stopFd` (if not -1) is readable, or `until` passes.
enum class PollOutcome {
    Ready,
    HungUp,
    Stopped,
    TimedOut,
    Failed  // errno says why
};
PollOutcome PollUntil(int fd, int stopFd, std::chrono::steady_clock::time_point until);

}  // namespace platform
