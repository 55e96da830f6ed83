// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The backups on disk: one folder per device ID under BackupsFolder(), one file
// per backup named after the moment it was taken (YYYYmmdd-HHMMSS.bin), the newest kept.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <vector>

namespace operation {

inline constexpr std::size_t kBackupsKept = 50;
// The backups' folder in the program's data folder.
inline constexpr char kBackupsFolderName[] = "backups";

// "backups" in the program's data folder (platform::ProgramFolder).
std::string BackupsFolder();

// The device's ID as a name of one folder: letters, digits, '-', '_' and '.' stay, anything else
// becomes '_'; never empty, never hidden, never "." or "..".
std::string DeviceFolderName(const std::string& idText);

struct StoredBackup {
    std::string path;   // the file, once stored
    std::string error;  // why it was not, empty once stored
};

// Writes the bytes atomically as a new backup of the device; an earlier backup of the same second
// is kept beside it ("...-2.bin"). Then removes the oldest of the device's backups beyond `keep`.
StoredBackup StoreBackupFile(const std::string& root, const std::string& idText,
                             std::span<const std::uint8_t> bytes, std::time_t when,
                             std::size_t keep = kBackupsKept);

struct BackupEntry {
    std::string device;  // the folder's name
    std::string path;
};

// The backups under root, per device in the order they were taken; only those of one device's
// folder when `device` is not empty. Files not named as backups are left out.
std::vector<BackupEntry> ListBackups(const std::string& root, const std::string& device = {});

}  // namespace operation
