// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OpenLineSettings.h"

#include <atomic>

namespace platform::line {

namespace {

constexpr int kFree = -1;
constexpr int kFilling = -2;  // claimed, its settings not yet in place

struct OpenLine {
    std::atomic<int> fd{kFree};
    SavedSettings original{};
};

static_assert(std::atomic<int>::is_always_lock_free, "read in a signal handler");

OpenLine g_lines[16];

}  // namespace

void RememberOpenLine(int fd, const SavedSettings& original)
{
    for (OpenLine& line : g_lines) {
        int expected = kFree;
        if (line.fd.compare_exchange_strong(expected, kFilling)) {
            line.original = original;
            line.fd.store(fd, std::memory_order_release);
            return;
        }
    }
}

void ForgetOpenLine(int fd)
{
    for (OpenLine& line : g_lines) {
        int expected = fd;
        if (line.fd.compare_exchange_strong(expected, kFree))
            return;
    }
}

void RestoreOpenLines()
{
    for (const OpenLine& line : g_lines) {
        const int fd = line.fd.load(std::memory_order_acquire);
        if (fd >= 0)
            RestoreSettings(fd, line.original);  // ioctls only
    }
}

}  // namespace platform::line
