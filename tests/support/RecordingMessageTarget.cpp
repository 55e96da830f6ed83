// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/RecordingMessageTarget.h"

#include <chrono>

namespace testsupport {

RecordingMessageTarget::RecordingMessageTarget()
{
    platform::SetMainWindowTarget(this);
}

RecordingMessageTarget::~RecordingMessageTarget()
{
    if (platform::GetMainWindowTarget() == this)
        platform::SetMainWindowTarget(nullptr);
}

void RecordingMessageTarget::Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
{
    {
        std::lock_guard lock(mutex_);
        messages_.push_back({message, wParam, lParam});
    }
    arrived_.notify_all();
}

std::vector<RecordingMessageTarget::Message> RecordingMessageTarget::Messages() const
{
    std::lock_guard lock(mutex_);
    return messages_;
}

bool RecordingMessageTarget::WaitForCount(size_t count, int timeoutMs) const
{
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return messages_.size() >= count; });
}

}  // namespace testsupport
