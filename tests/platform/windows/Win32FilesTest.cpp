// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user folders, the replacement of a file, the private folder tree and the opening of
// regular files on Windows.
#include "platform/AtomicReplace.h"
#include "platform/PrivateFolder.h"
#include "platform/RegularFile.h"
#include "platform/UserFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <windows.h>

// platform::ReplaceFile and PrivateFolder::CreateFile, not the A/W macros.
#undef ReplaceFile
#undef CreateFile

namespace fs = std::filesystem;

namespace {

// A fresh folder in the system's temporary folder, removed with what it holds.
class TempFolder {
public:
    TempFolder()
        : path_(fs::temp_directory_path() / ("probex-test-" + std::to_string(std::random_device()())))
    {
        fs::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(path_, ec))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }
    std::string File(const char* name) const { return (path_ / name).string(); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

private:
    fs::path path_;
};

std::string ContentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::span<const std::uint8_t> Bytes(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Sets an environment variable for the object's lifetime.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            previous_ = old;
        _putenv_s(name, value.c_str());
    }
    ~ScopedVariable() { _putenv_s(name_, previous_.c_str()); }

private:
    const char* name_;
    std::string previous_;
};

TEST(Win32UserFolders, ConfigRoamsDataAndStateStayLocalAndARelativeVariableIsIgnored)
{
    const TempFolder roaming;
    const TempFolder local;
    const ScopedVariable appData("APPDATA", roaming.Path().string());
    const ScopedVariable localAppData("LOCALAPPDATA", local.Path().string());
    EXPECT_EQ(platform::ProgramFolder(platform::FolderKind::Config), roaming.Path().string() + "\\Velmora");
    EXPECT_EQ(platform::ProgramFolder(platform::FolderKind::Data), local.Path().string() + "\\Velmora");
    EXPECT_EQ(platform::ProgramFolder(platform::FolderKind::State), local.Path().string() + "\\Velmora");

    // The system's own folder then, which is absolute.
    const ScopedVariable relative("APPDATA", "relative");
    const fs::path config = platform::UserFolder(platform::FolderKind::Config);
    EXPECT_TRUE(config.is_absolute()) << config;
    EXPECT_NE(config, fs::path("relative"));
}

TEST(Win32AtomicReplace, AReplacementTakesThePlaceOfTheFileAndLeavesNothingElse)
{
    const TempFolder folder;
    const std::string target = folder.File("dump.bin");
    Write(target, "old");
    ASSERT_FALSE(platform::ReplaceFile(target, Bytes("new contents")));
    EXPECT_EQ(ContentOf(target), "new contents");
    ASSERT_FALSE(platform::ReplaceFile(folder.File("fresh.bin"), Bytes("first")));
    EXPECT_EQ(ContentOf(folder.File("fresh.bin")), "first");
    EXPECT_EQ(folder.Names().size(), 2u);
}

TEST(Win32AtomicReplace, AFailedReplacementLeavesTheOldFileAndNothingElse)
{
    const TempFolder folder;
    const std::string target = folder.File("dump.bin");
    struct Case {
        const char* what;
        std::function<std::error_code()> attempt;
        std::errc expected;
    };
    const Case cases[] = {
        {"a new file over an existing one", [&] { return platform::CreateNewFile(target, Bytes("new")); },
         std::errc::file_exists},
        {"in a missing folder",
         [&] { return platform::ReplaceFile(folder.File("missing\\dump.bin"), Bytes("new")); },
         std::errc::no_such_file_or_directory},
    };
    for (const Case& c : cases) {
        Write(target, "old");
        const std::error_code error = c.attempt();
        EXPECT_EQ(error, c.expected) << c.what << ": " << error.message();
        // The system's text and number.
        EXPECT_NE(error.message().find(" (" + std::to_string(error.value()) + ")"), std::string::npos)
            << error.message();
        EXPECT_EQ(ContentOf(target), "old") << c.what;
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"dump.bin"}) << c.what;
    }
}

TEST(Win32AtomicReplace, PrepareProvesTheFolderTakesANewFile)
{
    const TempFolder folder;
    platform::AtomicReplace missing(folder.File("missing\\dump.bin"));
    EXPECT_EQ(missing.Prepare(), std::errc::no_such_file_or_directory);
    {
        platform::AtomicReplace abandoned(folder.File("dump.bin"));
        ASSERT_FALSE(abandoned.Prepare());
        EXPECT_EQ(folder.Names().size(), 1u);
    }
    EXPECT_TRUE(folder.Names().empty());
}

// A symbolic link to a folder, where the system lets this user make one that is a reparse point
// (Windows without developer mode does not; Wine 8 makes a POSIX link, which Win32 calls see through).
bool MakeFolderLink(const fs::path& link, const fs::path& target)
{
    if (!CreateSymbolicLinkW(link.c_str(), target.c_str(),
                             SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE))
        return false;
    const DWORD attributes = GetFileAttributesW(link.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return true;
    RemoveDirectoryW(link.c_str());
    return false;
}

TEST(Win32RegularFile, AnythingButAFileOnTheDiskIsRefused)
{
    const TempFolder folder;
    Write(folder.File("file"), "old text");
    struct Case {
        std::string path;
        platform::FileUse use;
        std::error_code error;  // none: opened
    };
    const std::string here = folder.Path().string();
    for (const Case& c : {
             Case{here, platform::FileUse::Read, platform::FileRefusal::NotRegular},
             Case{here, platform::FileUse::Write, platform::FileRefusal::NotRegular},
             Case{"NUL", platform::FileUse::Read, platform::FileRefusal::NotRegular},
             Case{"NUL", platform::FileUse::Append, platform::FileRefusal::NotRegular},
             Case{folder.File("file"), platform::FileUse::Read, {}},
         }) {
        std::error_code error;
        const int fd = platform::OpenRegularFile(c.path, c.use, error);
        EXPECT_EQ(error, c.error) << c.path << " " << int(c.use) << ": " << error.message();
        EXPECT_EQ(fd >= 0, !c.error) << c.path;
        platform::CloseFile(fd);
    }
    std::error_code error;
    EXPECT_LT(platform::OpenRegularFile(folder.File("missing\\x"), platform::FileUse::Append, error), 0);
    EXPECT_EQ(error, std::errc::no_such_file_or_directory) << error.message();
    EXPECT_EQ(ContentOf(folder.File("file")), "old text");
}

TEST(Win32RegularFile, AppendAddsAtTheEndAndWriteNeverEmpties)
{
    const TempFolder folder;
    const std::string log = folder.File("log.txt");
    for (const char* line : {"one\n", "two\n"}) {
        std::error_code error;
        const int fd = platform::OpenRegularFile(log, platform::FileUse::Append, error);
        ASSERT_GE(fd, 0) << error.message();
        EXPECT_FALSE(platform::WriteAll(fd, line));
        platform::CloseFile(fd);
    }
    EXPECT_EQ(ContentOf(log), "one\ntwo\n");

    std::error_code error;
    const int fd = platform::OpenRegularFile(log, platform::FileUse::Write, error);
    ASSERT_GE(fd, 0) << error.message();
    EXPECT_FALSE(platform::WriteAll(fd, "ONE"));
    platform::CloseFile(fd);
    EXPECT_EQ(ContentOf(log), "ONE\ntwo\n");
}

TEST(Win32RegularFile, ALinkAtTheNameIsNotWrittenThrough)
{
    const TempFolder folder;
    fs::create_directory(folder.Path() / "target");
    if (!MakeFolderLink(folder.Path() / "link", folder.Path() / "target"))
        GTEST_SKIP() << "no symbolic links as reparse points here";
    for (const platform::FileUse use : {platform::FileUse::Append, platform::FileUse::Write}) {
        std::error_code error;
        EXPECT_LT(platform::OpenRegularFile(folder.File("link"), use, error), 0);
        EXPECT_EQ(error, platform::FileRefusal::Link) << error.message();
    }
}

class Win32PrivateFolder : public ::testing::Test {
protected:
    std::unique_ptr<platform::PrivateFolder> OpenTree(const std::string& under)
    {
        std::error_code error;
        auto base =
            platform::PrivateFolder::OpenBase((folder_.Path() / "base" / "backups").string(), true, error);
        EXPECT_TRUE(base) << error.message();
        if (!base)
            return nullptr;
        auto tree = base->Open(under, true, error);
        EXPECT_TRUE(tree) << error.message();
        return tree;
    }

    TempFolder folder_;
};

TEST_F(Win32PrivateFolder, StoresWholeFilesWithoutLeftoversAndNeverOverAnotherUnasked)
{
    std::unique_ptr<platform::PrivateFolder> device = OpenTree("device");
    ASSERT_TRUE(device);
    ASSERT_FALSE(device->CreateFile("a.bin", Bytes("first")));
    EXPECT_EQ(device->CreateFile("a.bin", Bytes("second")), std::errc::file_exists);
    std::string text;
    EXPECT_FALSE(device->ReadFile("a.bin", text, 100));
    EXPECT_EQ(text, "first");
    ASSERT_FALSE(device->ReplaceFile("a.bin", Bytes("replaced")));
    EXPECT_FALSE(device->ReadFile("a.bin", text, 3));
    EXPECT_EQ(text, "rep");
    fs::create_directory(fs::path(device->Path()) / "sub");
    EXPECT_EQ(device->Files(), std::vector<std::string>{"a.bin"});
    EXPECT_EQ(device->Folders(), std::vector<std::string>{"sub"});

    EXPECT_EQ(device->RemoveFile("sub"), std::errc::is_a_directory);
    EXPECT_FALSE(device->RemoveFile("a.bin"));
    EXPECT_TRUE(device->Files().empty());
    EXPECT_EQ(device->Folders(), std::vector<std::string>{"sub"});
}

TEST_F(Win32PrivateFolder, ANameIsOneEntryOfTheFolderOnly)
{
    std::unique_ptr<platform::PrivateFolder> tree = OpenTree("tree");
    ASSERT_TRUE(tree);
    for (const char* name : {"", ".", "..", "a\\b", "a/b", "C:x", "a.bin:stream"}) {
        std::error_code error;
        EXPECT_FALSE(tree->Open(name, true, error)) << name;
        EXPECT_EQ(error, std::errc::invalid_argument) << name;
        EXPECT_EQ(tree->CreateFile(name, Bytes("x")), std::errc::invalid_argument) << name;
        EXPECT_EQ(tree->RemoveFile(name), std::errc::invalid_argument) << name;
    }
    EXPECT_TRUE(tree->Files().empty());
    EXPECT_TRUE(tree->Folders().empty());
}

TEST_F(Win32PrivateFolder, APlantedLinkIsNeverEnteredAndOnlyTheLinkIsRemoved)
{
    std::unique_ptr<platform::PrivateFolder> tree = OpenTree("tree");
    ASSERT_TRUE(tree);
    const fs::path elsewhere = folder_.Path() / "elsewhere";
    fs::create_directory(elsewhere);
    Write((elsewhere / "kept.bin").string(), "kept");
    if (!MakeFolderLink(fs::path(tree->Path()) / "device", elsewhere))
        GTEST_SKIP() << "no symbolic links as reparse points here";
    std::error_code error;
    EXPECT_FALSE(tree->Open("device", true, error));
    EXPECT_EQ(error, platform::FileRefusal::Link) << error.message();
    EXPECT_TRUE(tree->Folders().empty());
    EXPECT_FALSE(tree->RemoveFile("device"));
    EXPECT_FALSE(fs::exists(fs::path(tree->Path()) / "device"));
    EXPECT_EQ(ContentOf((elsewhere / "kept.bin").string()), "kept");
}

}  // namespace
