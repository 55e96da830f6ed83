// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one device operation did: the request it ran, how it ended and the engine's account of
// each address, taken when the connection ended.

#include "device/DeviceProfile.h"
#include "device/DeviceTrace.h"
#include "device/DeviceZaqTypes.h"
#include "operation/OperationProgress.h"

#include <array>
#include <cstdint>
#include <string>

namespace operation {

// The device's EEPROM, for the front ends, which reach the device through this layer only.
inline constexpr std::uint32_t kEepromBytes = device::kZaqProfile.eepromBytes;

// What became of a write's backup.
enum class BackupState {
    None,     // not a write, or it ended before the device named itself
    Off,      // the request asked for none
    Earlier,  // the device was backed up by an earlier write of the same Operation
    Stored,
    Failed,  // read but not stored: nothing was written
};

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
    std::string port{};            // as the request named it
    std::uint32_t timeoutMs = 0;   // the request's, per answer byte
    std::uint32_t openError = 0;   // the system's error code when result is ResultPortError
    int openErrno = 0;             // the errno behind it (0: the one the code stands for)
    // The pass that was running when the operation ended (None when it ended outside one), and
    // how many of its addresses it had done.
    Pass endPass = Pass::None;
    std::uint32_t endPassDone = 0;
    std::string idText{};             // the ID the device gave, empty when it gave none
    device::DeviceIdBytes idBytes{};  // all its bytes, which tell apart devices of one ID text
    // Where the connection ended and what the port did, as the connection log's last line has it.
    device::TraceEnd end{};
    // The staging buffer at the end: the bytes read, or the bytes written or compared with.
    std::array<std::uint8_t, kEepromBytes> data{};
    std::array<std::uint8_t, kEepromBytes> readBack{};  // where byteState has ByteRead
    BackupState backup = BackupState::None;
    std::string backupPath{};   // Stored: the file
    std::string backupError{};  // Failed: the file or folder and the system's reason
    // Stored or Failed: the device's whole EEPROM as the write found it.
    std::array<std::uint8_t, kEepromBytes> backupBytes{};
};

}  // namespace operation
