// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a write's backup goes: the device's whole EEPROM as it was, read in the write's own
// connection and handed over before the first byte is written.

#include "device/DeviceProfile.h"

#include <cstdint>
#include <span>
#include <string>

namespace device {

class BackupSink {
public:
    virtual ~BackupSink() = default;

    // Called on the worker once the device has named itself (idBytes tell two devices apart
    // whose ID texts are the same): whether this write reads the whole EEPROM first.
    virtual bool WantsBackup(const std::string& idText, const DeviceIdBytes& idBytes) = 0;
    // Called on the worker, which waits for the answer: true once the bytes are kept. On false
    // nothing is written and the write ends with ResultBackupFailed.
    virtual bool StoreBackup(const std::string& idText, const DeviceIdBytes& idBytes,
                             std::span<const std::uint8_t> bytes) = 0;
};

}  // namespace device
