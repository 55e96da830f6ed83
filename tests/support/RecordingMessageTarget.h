// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message target that records what is posted to it, installed as the main window for its
// lifetime.
#include "platform/MessageTarget.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

namespace testsupport {

class RecordingMessageTarget : public platform::MessageTarget {
public:
    struct Message {
        std::uint32_t message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        bool operator==(const Message&) const = default;
    };

    RecordingMessageTarget();
    ~RecordingMessageTarget() override;

    void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;

    std::vector<Message> Messages() const;
    // True once at least `count` messages have arrived; false if they have not within timeoutMs.
    bool WaitForCount(size_t count, int timeoutMs = 10000) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable arrived_;
    std::vector<Message> messages_;
};

}  // namespace testsupport
