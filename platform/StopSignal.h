// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A "stop now" flag that a wait on a port can take beside it (an eventfd for poll() on POSIX, an
// event on Windows), so a thread blocked on its port wakes at once when it is asked to stop.
#include "platform/StopHandle.h"

#include <chrono>

namespace platform {

class StopSignal {
public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    // Raised until cleared; safe from any thread, a signal handler and a console control handler.
    void Raise();
    void Clear();
    bool IsRaised() const;
    // Readable (signalled) once raised; kNoStopHandle when the system gave none (waits then only
    // time out).
    StopHandle Fd() const { return fd_; }

    // Sleeps until `until` or until raised (or `also`, another flag, is); false when raised.
    bool SleepUntil(std::chrono::steady_clock::time_point until) const;
    bool SleepUntil(std::chrono::steady_clock::time_point until, const StopSignal& also) const;

private:
    bool Sleep(std::chrono::steady_clock::time_point until, StopHandle also) const;

    StopHandle fd_;
};

#ifndef _WIN32

// Waits until `fd` is readable or hung up, `stopFd` (if not -1) is readable, or `until` passes.
enum class PollOutcome {
    Ready,
    HungUp,
    Stopped,
    TimedOut,
    Failed  // errno says why
};
PollOutcome PollUntil(int fd, int stopFd, std::chrono::steady_clock::time_point until);
#endif

}  // namespace platform
