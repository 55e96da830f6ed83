// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A "stop now" flag that poll() can wait on beside a port, so a thread blocked on its port wakes
// at once when it is asked to stop.
#include <chrono>

namespace platform {

class StopSignal {
public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    // Raised until cleared; safe from any thread and from a signal handler.
    void Raise();
    void Clear();
    bool IsRaised() const;
    // Readable once raised; -1 when the system gave no descriptor (waits then only time out).
    int Fd() const { return fd_; }

    // Sleeps until `until` or until raised (or `also`, another flag, is); false when raised.
    bool SleepUntil(std::chrono::steady_clock::time_point until) const;
    bool SleepUntil(std::chrono::steady_clock::time_point until, const StopSignal& also) const;

private:
    bool Sleep(std::chrono::steady_clock::time_point until, int alsoFd) const;

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
