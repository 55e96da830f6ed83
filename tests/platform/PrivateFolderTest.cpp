// SPDX-License-Identifier: GPL-3.0-or-later
// A private folder tree on a real disk: owner-only, never entered or emptied through a link.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/PrivateFolder.h"
#include "platform/RegularFile.h"

namespace {

namespace fs = std::filesystem;
using platform::PrivateFolder;

constexpr fs::perms kOwnerOnlyFolder = fs::perms::owner_all;
constexpr fs::perms kOwnerOnlyFile = fs::perms::owner_read | fs::perms::owner_write;

std::span<const std::uint8_t> Bytes(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class PrivateFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "probex-private-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        // Out of the tree: what a planted link would lead to.
        fs::create_directory(folder_ / "elsewhere");
        std::ofstream(folder_ / "elsewhere" / "precious") << "kept";
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::unique_ptr<PrivateFolder> Open(const std::vector<std::string>& names, bool create = true)
    {
        std::error_code error;
        std::unique_ptr<PrivateFolder> folder =
            PrivateFolder::OpenBase((folder_ / "base").string(), create, error);
        for (const std::string& name : names) {
            if (folder)
                folder = folder->Open(name, create, error);
        }
        error_ = error;
        return folder;
    }

    fs::path folder_;
    std::error_code error_;
};

TEST_F(PrivateFolderTest, MakesItsTreeAndFilesOwnerOnlyWhateverTheUmask)
{
    const mode_t mask = umask(0);
    std::unique_ptr<PrivateFolder> device = Open({"tree", "device"});
    ASSERT_TRUE(device) << error_.message();
    EXPECT_FALSE(device->CreateFile("a.bin", Bytes("first")));
    EXPECT_EQ(device->CreateFile("a.bin", Bytes("second")), std::errc::file_exists);
    EXPECT_FALSE(device->ReplaceFile("order", Bytes("one")));
    EXPECT_FALSE(device->ReplaceFile("order", Bytes("two")));
    umask(mask);
    for (const char* path : {"base", "base/tree", "base/tree/device"})
        EXPECT_EQ(fs::status(folder_ / path).permissions(), kOwnerOnlyFolder) << path;
    const fs::path files = folder_ / "base/tree/device";
    EXPECT_EQ(fs::status(files / "a.bin").permissions(), kOwnerOnlyFile);
    EXPECT_EQ(fs::status(files / "order").permissions(), kOwnerOnlyFile);
    EXPECT_EQ(ReadAll(files / "a.bin"), "first") << "never over another file";
    std::string text;
    EXPECT_FALSE(device->ReadFile("order", text, 100));
    EXPECT_EQ(text, "two");
    EXPECT_EQ(device->Files().size(), 2u) << "no temporary file left";

    // A folder an earlier version left open to all is closed.
    fs::permissions(folder_ / "base/tree", fs::perms::all);
    ASSERT_TRUE(Open({"tree"}, false)->KeepPrivate() == std::error_code());
    EXPECT_EQ(fs::status(folder_ / "base/tree").permissions(), kOwnerOnlyFolder);
}

TEST_F(PrivateFolderTest, APlantedLinkIsNeverEnteredAndOnlyTheLinkIsRemoved)
{
    std::unique_ptr<PrivateFolder> tree = Open({"tree"});
    ASSERT_TRUE(tree);
    fs::create_directory_symlink(folder_ / "elsewhere", folder_ / "base/tree/device");
    fs::create_symlink(folder_ / "elsewhere" / "precious", folder_ / "base/tree/file.bin");
    std::error_code error;
    EXPECT_EQ(tree->Open("device", true, error), nullptr);
    EXPECT_EQ(error, platform::FileRefusal::Link);
    EXPECT_TRUE(tree->Folders().empty()) << "a link to a folder is no folder of the tree";
    EXPECT_TRUE(tree->Files().empty()) << "nor a link to a file one of its files";
    std::string text;
    EXPECT_TRUE(tree->ReadFile("file.bin", text, 100));
    EXPECT_EQ(tree->CreateFile("file.bin", Bytes("x")), std::errc::file_exists);

    EXPECT_FALSE(tree->RemoveFile("file.bin"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder_ / "base/tree/file.bin")));
    for (const char* name : {"../elsewhere/precious", "device/precious", "..", ".", ""})
        EXPECT_EQ(tree->RemoveFile(name), std::errc::invalid_argument) << name;
    EXPECT_EQ(ReadAll(folder_ / "elsewhere" / "precious"), "kept");
}

}  // namespace
