// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/BackupFiles.h"

#include "platform/AtomicReplace.h"
#include "platform/UserFolders.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <tuple>

namespace operation {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kStampLength = 15;  // YYYYmmdd-HHMMSS
constexpr std::size_t kMaxFolderName = 100;
constexpr char kExtension[] = ".bin";

// The order in which backups were taken: the stamp, then the number of one taken in the same
// second. Empty stamp for a name that is no backup's.
std::tuple<std::string, unsigned long> BackupKey(const fs::path& file)
{
    const std::string stem = file.stem().string();
    if (file.extension() != kExtension || stem.size() < kStampLength || stem[8] != '-')
        return {};
    for (std::size_t i = 0; i < kStampLength; ++i) {
        if (i != 8 && !std::isdigit(static_cast<unsigned char>(stem[i])))
            return {};
    }
    unsigned long number = 1;
    if (stem.size() > kStampLength) {
        const std::string rest = stem.substr(kStampLength);
        if (rest.size() < 2 || rest[0] != '-' ||
            !std::all_of(rest.begin() + 1, rest.end(), [](unsigned char c) { return std::isdigit(c); }))
            return {};
        number = std::strtoul(rest.c_str() + 1, nullptr, 10);
    }
    return {stem.substr(0, kStampLength), number};
}

std::vector<fs::path> BackupsIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error) && !std::get<0>(BackupKey(entry.path())).empty())
            files.push_back(entry.path());
    }
    std::ranges::sort(files, {}, BackupKey);
    return files;
}

// `stored` stays whatever its name: after the clock went back it sorts first, yet it is the
// only copy of what the device holds now.
void RemoveOldest(const fs::path& folder, std::size_t keep, const fs::path& stored)
{
    std::vector<fs::path> files = BackupsIn(folder);
    std::erase(files, stored);
    for (std::size_t i = 0; i + keep < files.size() + 1; ++i) {
        std::error_code ignored;  // one that stays is removed after the next backup
        fs::remove(files[i], ignored);
    }
}

std::string Stamp(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

}  // namespace

std::string BackupsFolder()
{
    return platform::ProgramFolder(platform::FolderKind::Data) + "/" + kBackupsFolderName;
}

std::string DeviceFolderName(const std::string& idText)
{
    std::string name;
    for (const char c : idText.substr(0, kMaxFolderName)) {
        const auto byte = static_cast<unsigned char>(c);
        name += std::isalnum(byte) || c == '-' || c == '_' || c == '.' ? c : '_';
    }
    // Leading dots would hide the folder, or make it "." or "..".
    for (char& c : name) {
        if (c != '.')
            break;
        c = '_';
    }
    return name.empty() ? std::string("unknown") : name;
}

StoredBackup StoreBackupFile(const std::string& root, const std::string& idText,
                             std::span<const std::uint8_t> bytes, std::time_t when, std::size_t keep)
{
    const fs::path folder = fs::path(root) / DeviceFolderName(idText);
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        return {{}, folder.string() + ": " + error.message()};
    const std::string stamp = Stamp(when);
    fs::path file = folder / (stamp + kExtension);
    // Never over another backup, not even one another process stores in the same second.
    for (unsigned number = 2;; ++number) {
        const std::error_code failed = platform::CreateNewFile(file.string(), bytes);
        if (!failed)
            break;
        if (failed != std::errc::file_exists)
            return {{}, file.string() + ": " + failed.message()};
        file = folder / (stamp + "-" + std::to_string(number) + kExtension);
    }
    RemoveOldest(folder, keep, file);
    return {file.string(), {}};
}

std::vector<BackupEntry> ListBackups(const std::string& root, const std::string& device)
{
    std::vector<fs::path> folders;
    std::error_code error;
    if (!device.empty()) {
        folders.push_back(fs::path(root) / device);
    } else {
        for (const fs::directory_entry& entry : fs::directory_iterator(root, error)) {
            if (entry.is_directory(error))
                folders.push_back(entry.path());
        }
        std::ranges::sort(folders);
    }
    std::vector<BackupEntry> entries;
    for (const fs::path& folder : folders) {
        for (const fs::path& file : BackupsIn(folder))
            entries.push_back({folder.filename().string(), file.string()});
    }
    return entries;
}

}  // namespace operation
