// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The backups on disk: under the backups folder one folder per device (BackupFolderName), one
// file per backup (BackupFileName). The tree is the user's alone (folders 0700, files 0600) and
// never followed through a symbolic link; of the backups this program stored in a folder, the
// kBackupsKept stored last stay.

#include "device/DeviceProfile.h"
#include "operation/BackupNames.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <set>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace operation {

inline constexpr std::size_t kBackupsKept = 50;
// The backups' folder in the program's data folder.
inline constexpr char kBackupsFolderName[] = "backups";

// Where the backups live: `base` as the user's settings name it (links in it followed), and the
// folders below it that this program makes, which are never entered through a link.
struct BackupsRoot {
    std::string base;
    std::vector<std::string> below;
    std::string Path() const;
};

// The program's data folder's "backups" (platform::ProgramFolder).
BackupsRoot DefaultBackupsRoot();
// Its path, as messages show it.
std::string BackupsFolder();

// Makes the backups folder (owner-only) when it is missing.
std::error_code MakeBackupsFolder(const BackupsRoot& root);

// The folders that may hold a device's backups, its own first, then the one earlier versions
// kept them in, named after the ID text alone (which other devices of the same ID text share).
std::vector<std::string> DeviceBackupFolders(const std::string& idText, const device::DeviceIdBytes& idBytes);

struct StoredBackup {
    std::string path;   // the file, once stored
    std::string error;  // why it was not, empty once stored
};

// Stores the bytes, whole or not at all, as a new backup of the device, taken at `when`; an
// earlier backup of the same second stays beside it ("...-2.bin"). Then removes the earliest
// stored of the device's backups beyond `keep`, but none of `storedThisRun` (paths), to which the
// new one is added.
StoredBackup StoreBackupFile(const BackupsRoot& root, const std::string& idText,
                             const device::DeviceIdBytes& idBytes, std::span<const std::uint8_t> bytes,
                             std::time_t when, std::set<std::string>& storedThisRun,
                             std::size_t keep = kBackupsKept);

struct BackupEntry {
    std::string device;  // the folder's name
    std::string path;
};

// The backups under root, folder after folder by name, each folder's in the order their names
// say they were taken; only those of `folders` (in that order) when it is not empty. Files not
// named as backups are left out.
std::vector<BackupEntry> ListBackups(const BackupsRoot& root, const std::vector<std::string>& folders = {});

}  // namespace operation
