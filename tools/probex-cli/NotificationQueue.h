// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main-window stand-in of probex-cli: notifications queue up and the main thread takes them.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

#include "platform/MessageTarget.h"

namespace probexcli {

class NotificationQueue : public platform::MessageTarget {
public:
    explicit NotificationQueue(std::uint32_t message) : message_(message) {}

    void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    // Blocks until a notification of our message arrives; returns its wParam.
    std::uint32_t Take();

private:
    const std::uint32_t message_;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::uint32_t> queue_;
};

}  // namespace probexcli
