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

void RecordingMessageTarget::Post(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    {
        std::lock_guard lock(mutex);
        messages.push_back({message, wParam, lParam});
    }
    arrived.notify_all();
}

std::vector<RecordingMessageTarget::Message> RecordingMessageTarget::Messages() const
{
    std::lock_guard lock(mutex);
    return messages;
}

bool RecordingMessageTarget::WaitForCount(size_t count, int timeoutMs) const
{
    std::unique_lock lock(mutex);
    return arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                            [&] { return messages.size() >= count; });
}

} // namespace testsupport
