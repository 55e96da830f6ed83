// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the device link posts its notifications: the application installs its main window.
#include <cstdint>

namespace platform {

class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    // Queues the message and returns at once; messages arrive in the order they were posted,
    // on the target's own (user-interface) thread. May be called from any thread.
    virtual void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

// Installs `target` as the main window (nullptr removes it). Once this returns, no post to the
// previous target is still in progress, so it may be destroyed.
void SetMainWindowTarget(MessageTarget* target);
MessageTarget* GetMainWindowTarget();

// Posts to the installed main window; false, and nothing posted, when none is installed.
bool PostToMainWindow(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace platform
