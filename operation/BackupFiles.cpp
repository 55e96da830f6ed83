// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/BackupFiles.h"

#include "operation/BackupPruning.h"
#include "operation/FileProblemText.h"
#include "platform/PathText.h"
#include "platform/PrivateFolder.h"
#include "platform/UserFolders.h"

#include <algorithm>
#include <memory>

namespace operation {

namespace {

// The stored order of 50 names is about a kilobyte; a file much larger is no order of ours.
constexpr std::size_t kMaxStoredOrderBytes = 64 * 1024;

std::string Failure(const std::string& path, const std::error_code& error)
{
    return path + ": " + FileProblemText(error);
}

// The backups folder, `create`d when missing; null with the reason and the folder it concerns.
std::unique_ptr<platform::PrivateFolder> OpenRoot(const BackupsRoot& root, bool create,
                                                  std::error_code& failed, std::string& where)
{
    std::unique_ptr<platform::PrivateFolder> folder =
        platform::PrivateFolder::OpenBase(root.base, create, failed);
    where = root.base;
    for (const std::string& name : root.below) {
        if (!folder)
            break;
        where = platform::InFolder(where, name);
        folder = folder->Open(name, create, failed);
    }
    return folder;
}

std::vector<std::string> BackupsIn(const platform::PrivateFolder& folder)
{
    std::vector<std::string> names = folder.Files();
    std::erase_if(names, [](const std::string& name) { return !IsBackupFileName(name); });
    std::ranges::sort(names, TakenBefore);
    return names;
}

// Removal is best effort: one that stays is removed after the next backup.
void Prune(platform::PrivateFolder& folder, const std::string& stored,
           const std::set<std::string>& storedThisRun, std::size_t keep)
{
    std::string text;
    folder.ReadFile(kStoredOrderFile, text, kMaxStoredOrderBytes);
    std::vector<std::string> order = ParseStoredOrder(text);
    std::erase(order, stored);
    order.push_back(stored);
    std::set<std::string> protectedNames;
    for (const std::string& name : folder.Files()) {
        if (storedThisRun.contains(platform::InFolder(folder.Path(), name)))
            protectedNames.insert(name);
    }
    const PruneChoice choice = ChooseBackupsToRemove(order, folder.Files(), protectedNames, keep);
    for (const std::string& name : choice.remove)
        folder.RemoveFile(name);
    const std::string newText = StoredOrderText(choice.order);
    folder.ReplaceFile(kStoredOrderFile,
                       std::span(reinterpret_cast<const std::uint8_t*>(newText.data()), newText.size()));
}

}  // namespace

std::string BackupsRoot::Path() const
{
    std::string path = base;
    for (const std::string& name : below)
        path = platform::InFolder(path, name);
    return path;
}

BackupsRoot DefaultBackupsRoot()
{
    return {platform::UserFolder(platform::FolderKind::Data),
            {platform::kProgramFolderName, kBackupsFolderName}};
}

std::string BackupsFolder()
{
    return DefaultBackupsRoot().Path();
}

std::error_code MakeBackupsFolder(const BackupsRoot& root)
{
    std::error_code failed;
    std::string where;
    const std::unique_ptr<platform::PrivateFolder> folder = OpenRoot(root, true, failed, where);
    return folder ? folder->KeepPrivate() : failed;
}

std::vector<std::string> DeviceBackupFolders(const std::string& idText, const device::DeviceIdBytes& idBytes)
{
    return {BackupFolderName(idText, idBytes), DeviceFolderName(idText)};
}

StoredBackup StoreBackupFile(const BackupsRoot& root, const std::string& idText,
                             const device::DeviceIdBytes& idBytes, std::span<const std::uint8_t> bytes,
                             std::time_t when, std::set<std::string>& storedThisRun, std::size_t keep)
{
    std::error_code failed;
    std::string where;
    std::unique_ptr<platform::PrivateFolder> backups = OpenRoot(root, true, failed, where);
    if (!backups)
        return {{}, Failure(where, failed)};
    const std::string deviceName = BackupFolderName(idText, idBytes);
    std::unique_ptr<platform::PrivateFolder> device = backups->Open(deviceName, true, failed);
    if (!device)
        return {{}, Failure(platform::InFolder(backups->Path(), deviceName), failed)};
    // Folders an earlier version made open to all are closed now; their old files with them.
    backups->KeepPrivate();
    device->KeepPrivate();
    std::tm local{};
    localtime_r(&when, &local);
    std::string name;
    // Never over another backup, not even one another process stores in the same second.
    for (unsigned number = 1;; ++number) {
        name = BackupFileName(local, number);
        failed = device->CreateFile(name, bytes);
        if (failed != std::errc::file_exists)
            break;
    }
    const std::string path = platform::InFolder(device->Path(), name);
    if (failed)
        return {{}, Failure(path, failed)};
    storedThisRun.insert(path);
    Prune(*device, name, storedThisRun, keep);
    return {path, {}};
}

std::vector<BackupEntry> ListBackups(const BackupsRoot& root, const std::vector<std::string>& folders)
{
    std::error_code failed;
    std::string where;
    const std::unique_ptr<platform::PrivateFolder> backups = OpenRoot(root, false, failed, where);
    if (!backups)
        return {};
    std::vector<std::string> names = folders;
    if (names.empty()) {
        names = backups->Folders();
        std::ranges::sort(names);
    }
    std::vector<BackupEntry> entries;
    for (const std::string& name : names) {
        const std::unique_ptr<platform::PrivateFolder> device = backups->Open(name, false, failed);
        if (!device)
            continue;
        for (const std::string& file : BackupsIn(*device))
            entries.push_back({name, platform::InFolder(device->Path(), file)});
    }
    return entries;
}

}  // namespace operation
