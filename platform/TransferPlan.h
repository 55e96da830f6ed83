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

    static TransferPlan ForRead(const CommTimeouts& timeouts, uint32_t length, uint64_t startMs);
    static TransferPlan ForWrite(const CommTimeouts& timeouts, uint32_t length, uint64_t startMs);

    Mode GetMode() const { return mode_; }
    bool IsComplete(uint32_t done, uint32_t length, uint64_t nowMs, uint64_t lastByteMs) const;
    // The time at which IsComplete may turn true without more bytes; kNever when only bytes
    // can complete it.
    uint64_t NextTimeLimit(uint32_t done, uint64_t lastByteMs) const;

    static constexpr uint64_t kNever = UINT64_MAX;

private:
    TransferPlan(Mode mode, uint64_t deadline, uint32_t intervalMs)
        : mode_(mode), deadline_(deadline), intervalMs_(intervalMs)
    {}

    Mode mode_;
    uint64_t deadline_;    // absolute ms, kNever for none
    uint32_t intervalMs_;  // 0 for none
};

}  // namespace platform
