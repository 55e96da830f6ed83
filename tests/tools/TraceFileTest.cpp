// SPDX-License-Identifier: GPL-3.0-or-later
// Where --trace may write, on a real disk.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tools/probex-cli/TraceFile.h"

namespace {

namespace fs = std::filesystem;

class TraceFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "probex-trace-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        dump_ = folder_ / "dump.bin";
        std::ofstream(dump_) << std::string(256, 'D');
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    fs::path dump_;
    std::ostringstream err_;
};

TEST_F(TraceFileTest, RefusesTheDumpFifosFoldersAndDevicesWithoutTouchingThem)
{
    ASSERT_EQ(mkfifo((folder_ / "fifo").c_str(), 0600), 0);
    fs::create_symlink("dump.bin", folder_ / "link");
    fs::create_hard_link(dump_, folder_ / "hard");
    fs::create_directory(folder_ / "sub");
    // Another user's link in a folder open to all, to a file of the user's own.
    std::ofstream(folder_ / "precious") << "kept";
    fs::create_symlink("precious", folder_ / "planted");
    struct Case {
        std::string path;
        std::string dump;  // the command's FILE
        std::string error;
    };
    const std::string missingDump = (folder_ / "new.bin").string();
    for (const Case& c : {
             Case{dump_.string(), dump_.string(), "it is FILE"},
             Case{(folder_ / "link").string(), dump_.string(), "it is FILE"},
             Case{(folder_ / "hard").string(), dump_.string(), "it is FILE"},
             Case{(folder_ / "sub/../dump.bin").string(), dump_.string(), "it is FILE"},
             Case{missingDump, missingDump, "it is FILE"},  // a read into a new FILE
             Case{(folder_ / "fifo").string(), "", "not a regular file"},
             Case{(folder_ / "planted").string(), dump_.string(), "a symbolic link, which is not followed"},
             Case{"/dev/null", "", "not a regular file"},
             Case{(folder_ / "sub").string(), "", "not a regular file"},
             Case{(folder_ / "none/trace.txt").string(), "", "No such file or directory"},
         }) {
        probexcli::TraceFile trace;
        std::string error;
        EXPECT_FALSE(trace.Open(c.path, c.dump, err_, error)) << c.path;
        EXPECT_EQ(error, "cannot write the trace to " + c.path + ": " + c.error);
        EXPECT_EQ(trace.Stream(), nullptr);
    }
    EXPECT_EQ(fs::file_size(dump_), 256u) << "FILE is never emptied";
    EXPECT_FALSE(fs::exists(missingDump));
    EXPECT_EQ(fs::file_size(folder_ / "precious"), 4u) << "a link's target is never emptied";
}

TEST_F(TraceFileTest, WritesARegularOrNewFileOrStderrAndReportsAFailedWrite)
{
    const fs::path old = folder_ / "old.txt";
    std::ofstream(old) << "an earlier trace, longer than the new one\n";
    for (const fs::path& path : {old, folder_ / "new.txt"}) {
        probexcli::TraceFile trace;
        std::string error;
        ASSERT_TRUE(trace.Open(path.string(), dump_.string(), err_, error)) << error;
        *trace.Stream() << "line\n";
        EXPECT_TRUE(trace.Finish(error)) << error;
        std::ifstream in(path);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "line\n");
    }

    probexcli::TraceFile toStderr;
    std::string error;
    ASSERT_TRUE(toStderr.Open("-", dump_.string(), err_, error));
    EXPECT_EQ(toStderr.Stream(), &err_);

    // A device such as /dev/full is refused, so a full disk is a file over the size limit.
    probexcli::TraceFile full;
    ASSERT_TRUE(full.Open((folder_ / "full.txt").string(), "", err_, error)) << error;
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit none = saved;
    none.rlim_cur = 0;
    setrlimit(RLIMIT_FSIZE, &none);
    *full.Stream() << "line\n";
    EXPECT_FALSE(full.Finish(error));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(error,
              "the trace could not be written to " + (folder_ / "full.txt").string() + ": File too large");
}

}  // namespace
