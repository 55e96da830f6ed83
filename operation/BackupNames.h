// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the backups on disk: a folder per device, a file per backup named after the moment
// it was taken.

#include "device/DeviceProfile.h"

#include <ctime>
#include <string>

namespace operation {

// The device's ID text as the name of one folder: letters, digits, '-', '_' and '.' stay,
// anything else becomes '_'; never empty, never hidden, never "." or "..". Earlier versions kept
// a device's backups under this name alone.
std::string DeviceFolderName(const std::string& idText);

// The folder of one device's backups: its ID text as above, '_', then every ID byte in hex, so
// that two devices whose ID texts are the same keep apart.
std::string BackupFolderName(const std::string& idText, const device::DeviceIdBytes& idBytes);

// The file of a backup taken at the local time `local`: YYYYmmdd-HHMMSS.bin, the second one of
// that second YYYYmmdd-HHMMSS-2.bin, and so on.
std::string BackupFileName(const std::tm& local, unsigned number = 1);

// Whether `name` is named as a backup's file.
bool IsBackupFileName(const std::string& name);

// The order of the moments in two backups' names (then of their numbers): the order they were
// taken while the clock was right.
bool TakenBefore(const std::string& first, const std::string& second);

}  // namespace operation
