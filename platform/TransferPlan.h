// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When a read or a write on a serial port is complete, under the port's time-outs.
#include "platform/SerialTypes.h"

#include <cstdint>

namespace platform {

class TransferPlan {
public:
    enum class Mode {
        Immediate,  // return at once with what has arrived, possibly nothing
        AnyByte,    // return as soon as something has arrived, or at the total time-out
        Full,       // return when everything is done, or at the total or interval time-out
    };

    static TransferPlan ForRead(const CommTimeouts& timeouts, std::uint32_t length, std::uint64_t startMs);
    static TransferPlan ForWrite(const CommTimeouts& timeouts, std::uint32_t length, std::uint64_t startMs);

    Mode GetMode() const { return mode_; }
    bool IsComplete(std::uint32_t done, std::uint32_t length, std::uint64_t nowMs,
                    std::uint64_t lastByteMs) const;
    // The time at which IsComplete may turn true without more bytes; kNever when only bytes
    // can complete it.
    std::uint64_t NextTimeLimit(std::uint32_t done, std::uint64_t lastByteMs) const;

    static constexpr std::uint64_t kNever = UINT64_MAX;

private:
    TransferPlan(Mode mode, std::uint64_t deadline, std::uint32_t intervalMs)
        : mode_(mode), deadline_(deadline), intervalMs_(intervalMs)
    {}

    Mode mode_;
    std::uint64_t deadline_;    // absolute ms, kNever for none
    std::uint32_t intervalMs_;  // 0 for none
};

}  // namespace platform
