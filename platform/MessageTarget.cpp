// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageTarget.h"

#include <mutex>

namespace platform {

namespace {
// Posting holds the lock so that removing a target waits for posts already under way.
std::mutex targetMutex;
MessageTarget* mainWindow = nullptr;
}  // namespace

void SetMainWindowTarget(MessageTarget* target)
{
    std::lock_guard lock(targetMutex);
    mainWindow = target;
}

MessageTarget* GetMainWindowTarget()
{
    std::lock_guard lock(targetMutex);
    return mainWindow;
}

bool PostToMainWindow(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
{
    std::lock_guard lock(targetMutex);
    if (!mainWindow)
        return false;
    mainWindow->Post(message, wParam, lParam);
    return true;
}

}  // namespace platform
