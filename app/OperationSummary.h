#pragma once

// What a device operation did, in words: a status-bar line for every operation and, for a
// range operation that failed, which addresses were done and which not.

#include "device/DeviceZaqTypes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace app {

struct OperationRecord {
    device::DeviceOperation operation = device::OpReadId;
    std::uint32_t start = 0;  // the range as the engine takes it (inside the EEPROM)
    std::uint32_t count = 0;
    std::uint32_t done = 0;  // bytes the engine reported done, from start upwards (plain reads)
    std::uint16_t result = device::ResultOk;
    double seconds = 0;
    // Write options the request ran with, and the engine's account of each address at the end.
    bool verify = false;
    bool changedOnly = false;
    std::array<std::uint8_t, 256> byteState{};
};

// "Read 256 bytes in 6.1 s", "ID read in 1.2 s", "Failed after 3.0 s", "Written and verified:
// 00 - FF (25.3 s)", "3 bytes differ: 10, 11, 7F (6.1 s)".
std::string StatusSummary(const OperationRecord& record);

// For a failed read or write: "Bytes 00 - 55 were written, 56 - FF were not."; empty for
// success, for an identification and for a compare.
std::string RangeSplit(const OperationRecord& record);

// The addresses of the range that a compare or a verify found different from the dump.
std::vector<std::uint32_t> Differences(const OperationRecord& record);

// The box after a verify that found differences: a count, then one line per address (the first
// maxLines of them); empty when nothing differs.
std::string VerifyReport(const OperationRecord& record, const std::uint8_t* wrote, const std::uint8_t* read,
                         std::size_t maxLines = 16);

}  // namespace app
