// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/BackupKeeper.h"

#include <algorithm>
#include <ctime>

namespace operation {

void BackupKeeper::Arm(bool wanted, BackupsRoot root)
{
    wanted_ = wanted;
    root_ = std::move(root);
    state_ = wanted ? BackupState::None : BackupState::Off;
    path_.clear();
    error_.clear();
    bytes_.fill(0);
}

bool BackupKeeper::WantsBackup(const std::string&, const device::DeviceIdBytes& idBytes)
{
    if (!wanted_)
        return false;
    if (backedUp_.contains(idBytes)) {
        state_ = BackupState::Earlier;
        return false;
    }
    return true;
}

bool BackupKeeper::StoreBackup(const std::string& idText, const device::DeviceIdBytes& idBytes,
                               std::span<const std::uint8_t> bytes)
{
    std::copy_n(bytes.begin(), std::min(bytes.size(), bytes_.size()), bytes_.begin());
    const StoredBackup stored =
        StoreBackupFile(root_, idText, idBytes, bytes, std::time(nullptr), storedThisRun_);
    path_ = stored.path;
    error_ = stored.error;
    state_ = error_.empty() ? BackupState::Stored : BackupState::Failed;
    if (state_ == BackupState::Stored)
        backedUp_.insert(idBytes);
    return state_ == BackupState::Stored;
}

void BackupKeeper::FillRecord(OperationRecord& record) const
{
    record.backup = state_;
    record.backupPath = path_;
    record.backupError = error_;
    record.backupBytes = bytes_;
}

}  // namespace operation
