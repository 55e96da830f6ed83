#pragma once

// What a device operation did, in words: a status-bar line for every operation and, for a
// range operation that failed, which addresses were done and which not.

#include "device/DeviceZaqTypes.h"

#include <cstdint>
#include <string>

namespace app {

struct OperationRecord {
    device::DeviceOperation operation = device::OpReadId;
    std::uint32_t start = 0;  // the range as the engine takes it (inside the EEPROM)
    std::uint32_t count = 0;
    std::uint32_t done = 0;  // bytes the engine reported done, from start upwards
    std::uint16_t result = device::ResultOk;
    double seconds = 0;
};

// "Read 256 bytes in 6.1 s", "ID read in 1.2 s", "Failed after 3.0 s".
std::string StatusSummary(const OperationRecord& record);

// For a failed read or write: "Bytes 00 - 55 were written, 56 - FF were not."; empty for
// success and for an identification.
std::string RangeSplit(const OperationRecord& record);

}  // namespace app
