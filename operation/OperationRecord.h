// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one device operation did: the request it ran, how it ended and the engine's account of
// each address, taken when the connection ended.

#include "device/DeviceZaqTypes.h"

#include <array>
#include <cstdint>

namespace operation {

inline constexpr std::uint32_t kEepromBytes = 256;

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
    std::array<std::uint8_t, kEepromBytes> byteState{};
    std::uint8_t refusalCode = 0;  // the device's reason when result is ResultRefused
    // The staging buffer at the end: the bytes read, or the bytes written or compared with.
    std::array<std::uint8_t, kEepromBytes> data{};
    std::array<std::uint8_t, kEepromBytes> readBack{};  // where byteState has ByteRead
};

}  // namespace operation
