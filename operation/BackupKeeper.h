// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's backup sink for one Operation: stores each write's backup under the backups
// folder before the engine may write, and backs each device up once in its life (a device is
// all its ID bytes, not the ID text, which two devices may share), so a window that keeps its
// Operation for the whole run backs a device up once per run.

#include "device/BackupSink.h"
#include "operation/BackupFiles.h"
#include "operation/OperationRecord.h"

#include <array>
#include <set>
#include <string>

namespace operation {

class BackupKeeper : public device::BackupSink {
public:
    // Before each write, on the caller's thread, while the engine is idle.
    void Arm(bool wanted, BackupsRoot root);

    // On the engine's worker.
    bool WantsBackup(const std::string& idText, const device::DeviceIdBytes& idBytes) override;
    bool StoreBackup(const std::string& idText, const device::DeviceIdBytes& idBytes,
                     std::span<const std::uint8_t> bytes) override;

    // After NotifyFinished: what became of this write's backup.
    void FillRecord(OperationRecord& record) const;

private:
    bool wanted_ = false;
    BackupsRoot root_;
    std::set<device::DeviceIdBytes> backedUp_;  // devices whose backup is stored
    std::set<std::string> storedThisRun_;       // paths: never pruned while this runs
    BackupState state_ = BackupState::None;
    std::string path_;
    std::string error_;
    std::array<std::uint8_t, kEepromBytes> bytes_{};
};

}  // namespace operation
