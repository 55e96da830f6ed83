// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <cstdint>
#include <stop_token>
#include <thread>

#include "platform/ErrorCodes.h"

namespace device {

// Owns one worker thread running the virtual body Run. Stopping is cooperative: Terminate asks
// the body to stop, wakes its waits and joins it, so Run must poll StopRequested() in long
// loops and wait on its events with GetStopToken() (CEventEx::WaitEvent with a stop token).
// A derived class must call Terminate in its own destructor: by the time the base destructor
// runs, the derived part that Run uses is gone.
class CThreadEx {
public:
    using Handle = std::uintptr_t;
    static constexpr Handle kNoThread = ~Handle(0);

    CThreadEx();
    virtual ~CThreadEx();
    CThreadEx(const CThreadEx&) = delete;
    CThreadEx& operator=(const CThreadEx&) = delete;

    virtual std::uint32_t Run() = 0;

    // Starts the worker once for the object's life; a second Start throws
    // ("CThreadEx::Start()", "Thread already running"), also after Run has ended.
    Handle Start();
    // Asks the body to stop and waits until it has ended. If it was still running, the exit
    // code becomes `exitCode`. Throws ("CThreadEx::Terminate()", code) when there is no
    // thread or when called from the worker itself.
    void Terminate(std::uint32_t exitCode);
    Handle GetThreadHandle() const { return threadHandle; }

    // The exit code, platform::kStillActive while the worker runs; false when no thread was started.
    bool GetExitCode(std::uint32_t& code) const;

    bool StopRequested() const { return stopSource.stop_requested(); }
    std::stop_token GetStopToken() const { return stopSource.get_token(); }

    // The worker's start routine: Run() of the object, 0 when the object is null or an
    // exception leaves Run.
    static std::uint32_t ThreadEntry(CThreadEx* object);

private:
    Handle threadHandle;
    std::thread thread;
    std::stop_source stopSource;
    std::atomic<std::uint32_t> exitCode{platform::kStillActive};
};

}  // namespace device
