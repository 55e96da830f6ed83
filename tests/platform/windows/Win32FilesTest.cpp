// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user folders and the replacement of a file on Windows.
#include "platform/AtomicReplace.h"
#include "platform/UserFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <windows.h>

// platform::ReplaceFile, not the A/W macro.
#undef ReplaceFile

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

}  // namespace
