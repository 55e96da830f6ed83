// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One device request as both front ends build it: the port, the answer time-out, the range and
// the write options.

#include "device/DeviceZaqTypes.h"
#include "res/ResourceIds.h"

#include <cstdint>
#include <optional>
#include <string>

namespace operation {

inline constexpr std::uint32_t kMinTimeoutSeconds = 1;
inline constexpr std::uint32_t kMaxTimeoutSeconds = 30;
inline constexpr std::uint32_t kDefaultTimeoutSeconds = 10;

// Empty when seconds is a time-out within the bounds; otherwise the message that asks for one:
// "Please enter a positive integer." when there is no number at all.
std::string TimeoutProblem(std::optional<std::int64_t> seconds);

struct AddressRange {
    std::uint32_t start = 0;
    std::uint32_t count = 0;
};

// The range a request covers: count 0 stands for the whole EEPROM; the rest is clipped to it
// (count 0 when start lies beyond it).
AddressRange RequestRange(std::uint32_t start, std::uint32_t count);

// The question asked before a range operation (printf format: the first and the last address):
// what a read, a write (of every byte, or of the changed ones only) or a compare will do.
res::ResourceId RangeQuestion(device::DeviceOperation operation, bool changedOnly);

struct OperationRequest {
    device::DeviceOperation operation = device::OpReadId;
    std::string port;
    // Per answer byte.
    std::uint32_t timeoutMs = kDefaultTimeoutSeconds * 1000;
    AddressRange range;           // as RequestRange gives it
    bool verify = false;          // write: read the written bytes back
    bool changedOnly = false;     // write: only the bytes that differ from the device's
    bool wholeFrames = false;     // each request frame written at once, then its echoes read
    std::uint32_t byteGapMs = 0;  // whole frames: the time between two bytes, 0 to 20
    bool backup = false;          // write: store the whole EEPROM first (see BackupKeeper)
    bool lastOperation = false;
};

}  // namespace operation
