// SPDX-License-Identifier: GPL-3.0-or-later
// Opening only regular files, on a real disk: no wait on a FIFO, no write through a planted link.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/RegularFile.h"

namespace {

namespace fs = std::filesystem;
using platform::FileRefusal;
using platform::FileUse;

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class RegularFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "probex-regular-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        std::ofstream(folder_ / "file") << "old text";
        fs::create_symlink(folder_ / "file", folder_ / "link");
        ASSERT_EQ(mkfifo((folder_ / "fifo").c_str(), 0600), 0);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(RegularFileTest, AnythingButARegularFileIsRefusedWithoutWaitingAndLinksOnlyForReading)
{
    struct Case {
        std::string path;
        FileUse use;
        std::error_code error;  // none: opened
    };
    const std::string link = (folder_ / "link").string();
    std::vector<Case> cases = {
        {link, FileUse::Append, FileRefusal::Link},
        {link, FileUse::Write, FileRefusal::Link},
        {link, FileUse::Read, {}},  // the user named it
        {(folder_ / "none" / "x").string(), FileUse::Append,
         std::make_error_code(std::errc::no_such_file_or_directory)},
    };
    for (const std::string& path :
         {(folder_ / "fifo").string(), std::string("/dev/null"), folder_.string()}) {
        for (const FileUse use : {FileUse::Read, FileUse::Append, FileUse::Write})
            cases.push_back({path, use, FileRefusal::NotRegular});
    }
    for (const Case& c : cases) {
        std::error_code error;
        const int fd = platform::OpenRegularFile(c.path, c.use, error);
        EXPECT_EQ(error, c.error) << c.path << " " << int(c.use);
        EXPECT_EQ(fd >= 0, !c.error) << c.path;
        platform::CloseFile(fd);
    }
    EXPECT_EQ(ReadAll(folder_ / "file"), "old text");
}

TEST_F(RegularFileTest, WriteNeverEmptiesTheFile)
{
    std::error_code error;
    const int fd = platform::OpenRegularFile((folder_ / "file").string(), FileUse::Write, error);
    ASSERT_GE(fd, 0) << error.message();
    EXPECT_FALSE(platform::WriteAll(fd, "new"));
    platform::CloseFile(fd);
    EXPECT_EQ(ReadAll(folder_ / "file"), "new text") << "the caller empties it, once it knows the file";
}

}  // namespace
