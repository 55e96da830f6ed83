// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TransferPlan.h"

#include <algorithm>

namespace platform {

namespace {

std::uint64_t DeadlineAfter(std::uint64_t startMs, std::uint64_t totalMs)
{
    return totalMs == 0 ? TransferPlan::kNever : startMs + totalMs;
}

}  // namespace

TransferPlan TransferPlan::ForRead(const CommTimeouts& t, std::uint32_t length, std::uint64_t startMs)
{
    if (t.readIntervalTimeout == kMaxDword) {
        if (t.readTotalTimeoutMultiplier == 0 && t.readTotalTimeoutConstant == 0)
            return TransferPlan(Mode::Immediate, kNever, 0);
        // With the multiplier also at its maximum only the constant counts.
        const std::uint64_t total =
            t.readTotalTimeoutMultiplier == kMaxDword
                ? t.readTotalTimeoutConstant
                : std::uint64_t(t.readTotalTimeoutMultiplier) * length + t.readTotalTimeoutConstant;
        return TransferPlan(Mode::AnyByte, DeadlineAfter(startMs, total), 0);
    }
    const std::uint64_t total =
        std::uint64_t(t.readTotalTimeoutMultiplier) * length + t.readTotalTimeoutConstant;
    return TransferPlan(Mode::Full, DeadlineAfter(startMs, total), t.readIntervalTimeout);
}

TransferPlan TransferPlan::ForWrite(const CommTimeouts& t, std::uint32_t length, std::uint64_t startMs)
{
    const std::uint64_t total =
        std::uint64_t(t.writeTotalTimeoutMultiplier) * length + t.writeTotalTimeoutConstant;
    return TransferPlan(Mode::Full, DeadlineAfter(startMs, total), 0);
}

bool TransferPlan::IsComplete(std::uint32_t done, std::uint32_t length, std::uint64_t nowMs,
                              std::uint64_t lastByteMs) const
{
    if (done >= length || mode_ == Mode::Immediate)
        return true;
    if (nowMs >= deadline_)
        return true;
    if (mode_ == Mode::AnyByte)
        return done > 0;
    return intervalMs_ != 0 && done > 0 && nowMs - lastByteMs > intervalMs_;
}

std::uint64_t TransferPlan::NextTimeLimit(std::uint32_t done, std::uint64_t lastByteMs) const
{
    std::uint64_t limit = deadline_;
    if (mode_ == Mode::Full && intervalMs_ != 0 && done > 0)
        limit = std::min(limit, lastByteMs + intervalMs_ + 1);
    return limit;
}

}  // namespace platform
