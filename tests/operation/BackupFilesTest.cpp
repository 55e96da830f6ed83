// SPDX-License-Identifier: GPL-3.0-or-later
// The backups on disk: folder names made of device IDs, the bounded history, listing.
#include <gtest/gtest.h>

#include "operation/BackupFiles.h"
#include "tests/support/TempDataHome.h"

#include <array>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using Image = std::array<std::uint8_t, 256>;

Image ReadImage(const std::string& path)
{
    Image image{};
    std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(image.data()), image.size());
    return image;
}

TEST(BackupFiles, DeviceFolderNameIsOneSafeVisibleName)
{
    const std::pair<std::string, std::string> cases[] = {
        {"MB  0A1-B2C.3D", "MB__0A1-B2C.3D"},
        {"../etc/passwd", "___etc_passwd"},
        {"..", "__"},
        {".hidden", "_hidden"},
        {"", "unknown"},
        {"\xD0\x9C\xD0\x91 7", "_____7"},
        {std::string(300, 'A'), std::string(100, 'A')},
    };
    for (const auto& [id, name] : cases)
        EXPECT_EQ(operation::DeviceFolderName(id), name) << id;
    EXPECT_EQ(operation::BackupsFolder(), testsupport::TempDataHome().BackupsFolder());
}

TEST(BackupFiles, KeepsTheNewestFiftyOfADeviceInTheOrderTheyWereTaken)
{
    const testsupport::TempDataHome home;
    const std::string root = home.BackupsFolder();
    const std::time_t start = 1'800'000'000;
    std::vector<std::string> paths;
    for (int i = 0; i < 53; ++i) {
        Image bytes{};
        bytes.fill(std::uint8_t(i));
        // Two in the same second: the first must not be replaced by the second.
        const std::time_t when = start + (i < 2 ? 0 : i);
        const operation::StoredBackup stored = operation::StoreBackupFile(root, "ZAQ 1", bytes, when);
        ASSERT_TRUE(stored.error.empty()) << stored.error;
        EXPECT_EQ(ReadImage(stored.path), bytes);
        paths.push_back(stored.path);
        if (i == 1) {
            EXPECT_NE(paths[1], paths[0]);
            EXPECT_EQ(ReadImage(paths[0])[0], 0) << "the earlier backup of that second stays";
        }
    }
    std::ofstream(fs::path(root) / "ZAQ_1" / "notes.txt") << "not a backup";
    operation::StoreBackupFile(root, "other", Image{}, start);

    const std::vector<operation::BackupEntry> kept = operation::ListBackups(root, "ZAQ_1");
    ASSERT_EQ(kept.size(), operation::kBackupsKept);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(kept[i].path, paths[i + 3]);
        EXPECT_EQ(ReadImage(kept[i].path)[0], i + 3);
    }
    EXPECT_FALSE(fs::exists(paths[2]));
    EXPECT_TRUE(fs::exists(fs::path(root) / "ZAQ_1" / "notes.txt")) << "only backups are removed";

    // The clock went back: the new backup has the oldest name, and still it is kept.
    const operation::StoredBackup early = operation::StoreBackupFile(root, "ZAQ 1", Image{}, start - 86'400);
    EXPECT_TRUE(fs::exists(early.path));
    EXPECT_EQ(operation::ListBackups(root, "ZAQ_1").size(), operation::kBackupsKept);
    EXPECT_FALSE(fs::exists(paths[3]));

    const std::vector<operation::BackupEntry> all = operation::ListBackups(root);
    ASSERT_EQ(all.size(), operation::kBackupsKept + 1);
    EXPECT_EQ(all.front().device, "ZAQ_1");
    EXPECT_EQ(all.back().device, "other");
}

}  // namespace
