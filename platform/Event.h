// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A signalable event with manual or automatic reset: the waitable object behind the thread
// wrappers' events and the completion of pending serial I/O.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <stop_token>

namespace platform {

inline constexpr std::uint32_t kInfinite = 0xFFFFFFFF;

enum class WaitResult {
    Signalled,
    TimedOut,
    Stopped
};

class Event {
public:
    Event(bool manualReset, bool initialState);
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    bool IsSet() const;

    // Waits up to timeoutMs (kInfinite: no limit). An automatic-reset event is reset by the
    // wait it satisfies, so any number of Set calls before a wait release one wait.
    WaitResult Wait(std::uint32_t timeoutMs);
    // The same, and a stop request on `stop` ends the wait with Stopped.
    WaitResult Wait(std::uint32_t timeoutMs, const std::stop_token& stop);

private:
    const bool manualReset_;
    mutable std::mutex mutex_;
    std::condition_variable_any changed_;
    bool signalled_;
};

}  // namespace platform
