// SPDX-License-Identifier: GPL-3.0-or-later
// The stop flag as a manual-reset event: signalled while raised.
#include "platform/StopSignal.h"

#include <algorithm>
#include <windows.h>

namespace platform {

StopSignal::StopSignal() : fd_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

StopSignal::~StopSignal()
{
    if (fd_)
        CloseHandle(fd_);
}

void StopSignal::Raise()
{
    if (fd_)
        SetEvent(fd_);
}

void StopSignal::Clear()
{
    if (fd_)
        ResetEvent(fd_);
}

bool StopSignal::IsRaised() const
{
    return fd_ && WaitForSingleObject(fd_, 0) == WAIT_OBJECT_0;
}

bool StopSignal::SleepUntil(std::chrono::steady_clock::time_point until) const
{
    return Sleep(until, kNoStopHandle);
}

bool StopSignal::SleepUntil(std::chrono::steady_clock::time_point until, const StopSignal& also) const
{
    return Sleep(until, also.fd_);
}

bool StopSignal::Sleep(std::chrono::steady_clock::time_point until, StopHandle also) const
{
    using namespace std::chrono;
    HANDLE handles[2];
    DWORD count = 0;
    for (HANDLE handle : {fd_, also}) {
        if (handle)
            handles[count++] = handle;
    }
    for (;;) {
        const auto left = until - steady_clock::now();
        if (left <= steady_clock::duration::zero())
            return true;
        const auto ms = std::min<long long>(ceil<milliseconds>(left).count(), INFINITE - 1);
        const DWORD woke = count == 0 ? (::Sleep(DWORD(ms)), WAIT_TIMEOUT)
                                      : WaitForMultipleObjects(count, handles, FALSE, DWORD(ms));
        if (woke < WAIT_OBJECT_0 + count)
            return false;
        // A timed-out wait may come back a hair early; the deadline decides.
    }
}

}  // namespace platform
