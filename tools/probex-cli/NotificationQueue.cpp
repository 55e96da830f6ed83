// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/probex-cli/NotificationQueue.h"

namespace probexcli {

void NotificationQueue::Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t)
{
    if (message != message_)
        return;
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::uint32_t(wParam));
    }
    arrived_.notify_one();
}

std::uint32_t NotificationQueue::Take()
{
    std::unique_lock lock(mutex_);
    arrived_.wait(lock, [this] { return !queue_.empty(); });
    const std::uint32_t wParam = queue_.front();
    queue_.pop_front();
    return wParam;
}

}  // namespace probexcli
