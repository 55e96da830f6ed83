// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Event.h"

#include <chrono>

namespace platform {

Event::Event(bool manualReset, bool initialState) : manualReset_(manualReset), signalled_(initialState) {}

void Event::Set()
{
    // Notified under the lock: a waiter that returns may destroy the event at once.
    std::lock_guard lock(mutex_);
    signalled_ = true;
    changed_.notify_all();
}

void Event::Reset()
{
    std::lock_guard lock(mutex_);
    signalled_ = false;
}

bool Event::IsSet() const
{
    std::lock_guard lock(mutex_);
    return signalled_;
}

WaitResult Event::Wait(std::uint32_t timeoutMs)
{
    return Wait(timeoutMs, std::stop_token());
}

WaitResult Event::Wait(std::uint32_t timeoutMs, const std::stop_token& stop)
{
    std::unique_lock lock(mutex_);
    const auto isSignalled = [this] { return signalled_; };
    bool got;
#ifdef _WIN32
    // The C++ library's wait of a condition variable on a stop token hangs now and then on Windows
    // when the stop request comes as the wait begins (seen under Wine within a few tries). The
    // wait looks at the stop request every few milliseconds instead.
    using Clock = std::chrono::steady_clock;
    constexpr auto kStopCheck = std::chrono::milliseconds(10);
    const auto until = timeoutMs == kInfinite ? Clock::time_point::max()
                                              : Clock::now() + std::chrono::milliseconds(timeoutMs);
    got = signalled_;
    while (!got && !stop.stop_requested()) {
        const auto now = Clock::now();
        if (now >= until)
            break;
        got = changed_.wait_until(lock, until - now < kStopCheck ? until : now + kStopCheck, isSignalled);
    }
#else
    if (timeoutMs == kInfinite) {
        got = changed_.wait(lock, stop, isSignalled);
    } else {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        got = changed_.wait_until(lock, stop, until, isSignalled);
    }
#endif
    if (!got)
        return stop.stop_requested() ? WaitResult::Stopped : WaitResult::TimedOut;
    if (!manualReset_)
        signalled_ = false;
    return WaitResult::Signalled;
}

}  // namespace platform
