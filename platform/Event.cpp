#include "platform/Event.h"

#include <chrono>

namespace platform {

Event::Event(bool manualReset, bool initialState) : manualReset(manualReset), signalled(initialState) {}

void Event::Set()
{
    // Notified under the lock: a waiter that returns may destroy the event at once.
    std::lock_guard lock(mutex);
    signalled = true;
    changed.notify_all();
}

void Event::Reset()
{
    std::lock_guard lock(mutex);
    signalled = false;
}

bool Event::IsSet() const
{
    std::lock_guard lock(mutex);
    return signalled;
}

WaitResult Event::Wait(uint32_t timeoutMs)
{
    return Wait(timeoutMs, std::stop_token());
}

WaitResult Event::Wait(uint32_t timeoutMs, std::stop_token stop)
{
    std::unique_lock lock(mutex);
    const auto isSignalled = [this] { return signalled; };
    bool got;
    if (timeoutMs == kInfinite) {
        got = changed.wait(lock, stop, isSignalled);
    } else {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        got = changed.wait_until(lock, stop, until, isSignalled);
    }
    if (!got)
        return stop.stop_requested() ? WaitResult::Stopped : WaitResult::TimedOut;
    if (!manualReset)
        signalled = false;
    return WaitResult::Signalled;
}

} // namespace platform
