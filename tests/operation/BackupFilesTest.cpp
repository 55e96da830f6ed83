// SPDX-License-Identifier: GPL-3.0-or-later
// The backups: names of folders and files, which ones go, and the tree on a real disk.
#include <gtest/gtest.h>

#include "operation/BackupFiles.h"
#include "operation/BackupKeeper.h"
#include "operation/BackupPruning.h"
#include "tests/support/TempDataHome.h"

#include <array>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using Image = std::array<std::uint8_t, 256>;
using Names = std::vector<std::string>;

constexpr device::DeviceIdBytes kId{0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F, 0x60, 0x71, 0x82, 0x93, 0xA4, 0xB5};
// Differs from kId only in bytes the ID text leaves out.
constexpr device::DeviceIdBytes kTwin{0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x00, 0x00, 0x00, 0x82, 0x93, 0xA4, 0xB5};
const std::string kIdText = "MB: 0A1 B2C 3D 4E 9382 B5A4";

Image ReadImage(const std::string& path)
{
    Image image{};
    std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(image.data()), image.size());
    return image;
}

std::tm Local(int year, int month, int day, int hour, int minute, int second)
{
    std::tm moment{};
    moment.tm_year = year - 1900;
    moment.tm_mon = month - 1;
    moment.tm_mday = day;
    moment.tm_hour = hour;
    moment.tm_min = minute;
    moment.tm_sec = second;
    return moment;
}

TEST(BackupNames, DeviceFolderNameIsOneSafeVisibleName)
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

TEST(BackupNames, ADevicesFolderNamesEveryIdByteAfterItsText)
{
    EXPECT_EQ(operation::BackupFolderName(kIdText, kId),
              "MB__0A1_B2C_3D_4E_9382_B5A4_0A1B2C3D4E5F60718293A4B5");
    EXPECT_NE(operation::BackupFolderName(kIdText, kTwin), operation::BackupFolderName(kIdText, kId));
    EXPECT_EQ(operation::DeviceBackupFolders(kIdText, kTwin),
              (Names{operation::BackupFolderName(kIdText, kTwin), "MB__0A1_B2C_3D_4E_9382_B5A4"}));
}

TEST(BackupNames, FileNamesSayTheMomentYearFirstSoTheySortInTheOrderTaken)
{
    struct Case {
        std::tm local;
        unsigned number;
        std::string name;
    };
    // Days past 12 and one-digit months tell the day from the month.
    const Case cases[] = {
        {Local(2027, 1, 31, 23, 59, 58), 1, "20270131-235958.bin"},
        {Local(2027, 2, 1, 0, 0, 1), 1, "20270201-000001.bin"},
        {Local(2027, 2, 1, 0, 0, 1), 2, "20270201-000001-2.bin"},
        {Local(2027, 2, 1, 0, 0, 1), 10, "20270201-000001-10.bin"},
        {Local(2027, 11, 3, 7, 5, 9), 1, "20271103-070509.bin"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(operation::BackupFileName(c.local, c.number), c.name);
        EXPECT_TRUE(operation::IsBackupFileName(c.name)) << c.name;
    }
    for (std::size_t i = 1; i < std::size(cases); ++i) {
        EXPECT_TRUE(operation::TakenBefore(cases[i - 1].name, cases[i].name)) << cases[i].name;
        EXPECT_FALSE(operation::TakenBefore(cases[i].name, cases[i - 1].name)) << cases[i].name;
    }
    for (const char* other : {"20270131-235958.txt", "2027013-235958.bin", "20270131-235958-.bin",
                              "20270131-235958-2x.bin", "../20270131-235958.bin", ".stored-order"})
        EXPECT_FALSE(operation::IsBackupFileName(other)) << other;
}

TEST(BackupPruning, TheEarliestStoredGoFirstButNeverOneOfThisRunNorAFileStoredOtherwise)
{
    const std::string a = "20270101-000000.bin", b = "20270102-000000.bin", c = "20270103-000000.bin";
    // Dated in the future, as after a wrong clock, yet stored first.
    const std::string future = "20991231-000000.bin";
    const std::string copied = "20990101-000000.bin";  // put there by hand: in no stored order
    struct Case {
        Names order;
        Names present;
        std::set<std::string> thisRun;
        std::size_t keep;
        Names remove;
        Names newOrder;
    };
    for (const Case& t : {
             Case{{a, b, c}, {a, b, c}, {c}, 3, {}, {a, b, c}},
             Case{{a, b, c}, {a, b, c}, {c}, 2, {a}, {b, c}},
             Case{{future, a, b}, {future, a, b, copied}, {b}, 2, {future}, {a, b}},
             Case{{a, b, c}, {c, b, a}, {a, c}, 1, {b}, {a, c}},  // this run's stay beyond the bound
             Case{{a, b, c}, {b, c}, {c}, 1, {b}, {c}},           // a missing one counts no more
             Case{{c}, {a, b, c, copied}, {c}, 1, {}, {c}},
         }) {
        const operation::PruneChoice choice =
            operation::ChooseBackupsToRemove(t.order, t.present, t.thisRun, t.keep);
        EXPECT_EQ(choice.remove, t.remove);
        EXPECT_EQ(choice.order, t.newOrder);
    }
    EXPECT_EQ(operation::ParseStoredOrder(a + "\n../" + b + "\n\n" + a + "\nnotes.txt\n" + c), (Names{a, c}));
    EXPECT_EQ(operation::ParseStoredOrder(operation::StoredOrderText({c, a})), (Names{c, a}));
}

class BackupFiles : public ::testing::Test {
protected:
    operation::StoredBackup Store(std::uint8_t fill, std::time_t when, const device::DeviceIdBytes& id = kId)
    {
        Image bytes{};
        bytes.fill(fill);
        std::set<std::string> thisRun;  // each store a run of its own, as probex-cli's
        return operation::StoreBackupFile(root_, kIdText, id, bytes, when, thisRun);
    }
    fs::path DeviceFolder() const
    {
        return fs::path(root_.Path()) / operation::BackupFolderName(kIdText, kId);
    }

    testsupport::TempDataHome home_;
    const operation::BackupsRoot root_ = operation::DefaultBackupsRoot();
    const std::time_t start_ = 1'800'000'000;
};

TEST_F(BackupFiles, KeepsTheFiftyStoredLastWhateverTheirNamesSay)
{
    // A copied folder's backups, dated later than any to come: this program did not store them.
    fs::create_directories(DeviceFolder());
    fs::permissions(DeviceFolder(), fs::perms::all);  // as earlier versions made them
    for (int i = 0; i < 50; ++i)
        std::ofstream(DeviceFolder() / ("2099" + std::to_string(1001 + i) + "-000000.bin")) << "copied";
    std::ofstream(DeviceFolder() / "notes.txt") << "not a backup";

    std::vector<std::string> paths;
    for (int i = 0; i < 53; ++i) {
        // Two in the same second: the first must not be replaced by the second. The clock goes
        // back once: the newest then has the oldest name, and still it is the one kept.
        const std::time_t when = i < 2 ? start_ : i == 52 ? start_ - 86'400 : start_ + i;
        const operation::StoredBackup stored = Store(std::uint8_t(i), when);
        ASSERT_TRUE(stored.error.empty()) << stored.error;
        EXPECT_EQ(ReadImage(stored.path)[0], i);
        paths.push_back(stored.path);
    }
    EXPECT_NE(paths[1], paths[0]);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(fs::exists(paths[i])) << i;
    for (int i = 3; i < 53; ++i)
        EXPECT_TRUE(fs::exists(paths[i])) << i;
    EXPECT_EQ(operation::ListBackups(root_, {DeviceFolder().filename().string()}).size(), 50u + 50u);
    EXPECT_TRUE(fs::exists(DeviceFolder() / "20991001-000000.bin")) << "a file stored otherwise stays";
    EXPECT_TRUE(fs::exists(DeviceFolder() / "notes.txt"));
    EXPECT_EQ(fs::status(DeviceFolder()).permissions(), fs::perms::owner_all);
}

TEST_F(BackupFiles, DevicesOfOneIdTextKeepApartAndEarlierFoldersAreStillListed)
{
    // Where an earlier version kept this ID text's backups.
    const fs::path earlier = fs::path(root_.Path()) / operation::DeviceFolderName(kIdText);
    fs::create_directories(earlier);
    std::ofstream(earlier / "20260101-000000.bin") << "old";

    const std::string first = Store(0x11, start_).path;
    const std::string twin = Store(0x22, start_, kTwin).path;
    EXPECT_NE(fs::path(first).parent_path(), fs::path(twin).parent_path());
    const std::vector<operation::BackupEntry> own =
        operation::ListBackups(root_, operation::DeviceBackupFolders(kIdText, kId));
    ASSERT_EQ(own.size(), 2u);
    EXPECT_EQ(own[0].path, first);
    EXPECT_EQ(own[1].path, (earlier / "20260101-000000.bin").string());
    EXPECT_EQ(operation::ListBackups(root_).size(), 3u);

    // The window's rule, once per device per run, goes by every ID byte too.
    operation::BackupKeeper keeper;
    keeper.Arm(true, root_);
    EXPECT_TRUE(keeper.WantsBackup(kIdText, kId));
    EXPECT_TRUE(keeper.StoreBackup(kIdText, kId, Image{}));
    EXPECT_FALSE(keeper.WantsBackup(kIdText, kId));
    EXPECT_TRUE(keeper.WantsBackup(kIdText, kTwin));
}

TEST_F(BackupFiles, APlantedLinkTakesNoBackupOutOfTheTreeAndNothingThereIsRemoved)
{
    const fs::path elsewhere = fs::path(home_.Path()) / "elsewhere";
    fs::create_directories(elsewhere);
    for (int i = 0; i < 60; ++i)
        std::ofstream(elsewhere / ("2020" + std::to_string(1001 + i) + "-000000.bin")) << "theirs";
    fs::create_directories(root_.Path());
    fs::create_directory_symlink(elsewhere, DeviceFolder());
    const operation::StoredBackup refused = Store(0x33, start_);
    EXPECT_EQ(refused.path, "");
    EXPECT_EQ(refused.error, DeviceFolder().string() + ": a symbolic link, which is not followed");
    EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere), fs::directory_iterator()), 60);
}

}  // namespace
