// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file whole or not at all, on a real disk.
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform/AtomicReplace.h"
#include "tests/support/ScopedFilePermissions.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const Bytes kOld(256, 0x11);
const Bytes kNew(256, 0xEE);

class AtomicReplaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "probex-replace-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        target_ = folder_ / "image.bin";
    }
    void TearDown() override
    {
        fs::permissions(folder_, fs::perms::owner_all);
        fs::remove_all(folder_);
    }

    void Put(const Bytes& bytes, mode_t mode)
    {
        std::ofstream(target_, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        ASSERT_EQ(chmod(target_.c_str(), mode), 0);
    }
    Bytes Content() const
    {
        std::ifstream in(target_, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    mode_t Mode() const
    {
        struct stat info {};
        stat(target_.c_str(), &info);
        return info.st_mode & 07777;
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path folder_;
    fs::path target_;
};

TEST_F(AtomicReplaceTest, ReplacementTakesTheModeOfTheFileOrOfANewOne)
{
    const mode_t mask = umask(0);
    umask(mask);
    struct Case {
        bool existing;
        mode_t mode;
        mode_t expected;
    };
    for (const Case& c : {Case{false, 0, 0666 & ~mask}, Case{true, 0600, 0600}, Case{true, 0644, 0644},
                          Case{true, 0604, 0604}, Case{true, 0444, 0444}}) {
        SCOPED_TRACE(c.mode);
        fs::remove(target_);
        if (c.existing)
            Put(kOld, c.mode);
        EXPECT_EQ(platform::AttributesToKeep(target_).mode, c.expected);
        ASSERT_FALSE(platform::ReplaceFile(target_, kNew));
        EXPECT_EQ(Content(), kNew);
        EXPECT_EQ(Mode(), c.expected);
        EXPECT_EQ(Names(), std::vector<std::string>{"image.bin"});
    }
}

// Runs `replace` in a child process as the user nobody; its result: 0 for success, the refusal's
// value, or -1 for any other failure.
int AsNobody(const std::function<std::error_code()>& replace)
{
    const passwd* nobody = getpwnam("nobody");
    if (!nobody)
        return -2;
    const pid_t pid = fork();
    if (pid == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)
            _exit(99);
        const std::error_code error = replace();
        _exit(!error ? 0 : error.category() == platform::ReplaceRefusalCategory() ? error.value() : 98);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) < 98 ? WEXITSTATUS(status) : -1;
}

// Root keeps the owner and group of another user's file; anyone else is refused before the work
// when they cannot be kept, also by a sticky folder.
TEST_F(AtomicReplaceTest, ReplacementKeepsTheOwnerAndGroupOrIsRefusedFirst)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to hand files to another user";
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    const uid_t other = nobody->pw_uid;
    const gid_t otherGroup = nobody->pw_gid;
    struct Case {
        const char* what;
        mode_t folderMode;
        uid_t owner;
        gid_t group;
        bool asNobody;
        int refusal;  // 0: replaced
    };
    for (const Case& c : {
             Case{"root, a set-id file of another user", 0755, other, otherGroup, false, 0},
             Case{"nobody, a file of root", 0777, 0, 0, true, int(platform::ReplaceRefusal::OwnerNotKept)},
             Case{"nobody, its file in a group not its own", 0777, other, 0, true,
                  int(platform::ReplaceRefusal::OwnerNotKept)},
             Case{"nobody, a file of root in a sticky folder", 01777, 0, 0, true,
                  int(platform::ReplaceRefusal::StickyFolder)},
             Case{"nobody, its own file in a sticky folder", 01777, other, otherGroup, true, 0},
         }) {
        SCOPED_TRACE(c.what);
        fs::remove(target_);
        Put(kOld, 06755);
        ASSERT_EQ(chown(target_.c_str(), c.owner, c.group), 0);
        ASSERT_EQ(chmod(target_.c_str(), 06755), 0);  // chown() cleared the set-id bits
        ASSERT_EQ(chmod(folder_.c_str(), c.folderMode), 0);
        const auto replace = [&] {
            platform::AtomicReplace replacement(target_);
            if (const std::error_code refused = replacement.Prepare())
                return refused;
            return replacement.Commit(kNew);
        };
        EXPECT_EQ(c.asNobody ? AsNobody(replace) : (replace() ? -1 : 0), c.refusal);
        struct stat info {};
        ASSERT_EQ(stat(target_.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, c.owner);
        EXPECT_EQ(info.st_gid, c.group);
        EXPECT_EQ(Content(), c.refusal ? kOld : kNew);
        EXPECT_EQ(Mode(), mode_t(06755)) << "set-id bits kept with their owner and group";
        EXPECT_EQ(Names(), std::vector<std::string>{"image.bin"});

        // A new file wanted at a name another user holds: only "taken", so the caller picks another.
        const auto createNew = [&] {
            const std::error_code error = platform::CreateNewFile(target_, kOld);
            return error == std::errc::file_exists ? std::error_code{}
                                                   : std::make_error_code(std::errc::io_error);
        };
        if (c.asNobody) {
            EXPECT_EQ(AsNobody(createNew), 0);
        }
        EXPECT_EQ(Names(), std::vector<std::string>{"image.bin"});
    }
}

TEST_F(AtomicReplaceTest, AReaderOfTheOldFileKeepsSeeingAllOfIt)
{
    Put(kOld, 0644);
    const int reader = open(target_.c_str(), O_RDONLY);
    ASSERT_GE(reader, 0);
    platform::AtomicReplace replacement(target_);
    ASSERT_FALSE(replacement.Prepare());
    EXPECT_EQ(Content(), kOld) << "untouched until the commit";
    ASSERT_FALSE(replacement.Commit(kNew));
    Bytes seen(kOld.size() + 1);
    EXPECT_EQ(pread(reader, seen.data(), seen.size(), 0), ssize_t(kOld.size()));
    seen.resize(kOld.size());
    EXPECT_EQ(seen, kOld);
    EXPECT_EQ(Content(), kNew);
    close(reader);
}

// A disk that fills up mid-write: the temporary file stops short of the content.
std::error_code ReplaceWithFileSizeLimit(const fs::path& target, const Bytes& bytes)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = bytes.size() / 2;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::error_code error = platform::ReplaceFile(target, bytes);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    return error;
}

// Each failure leaves the old file whole and no temporary file behind.
TEST_F(AtomicReplaceTest, AFailedReplacementLeavesTheOldFileAndNothingElse)
{
    struct Case {
        const char* what;
        bool targetIsFolder;
        int error;  // -1: any
        std::function<std::error_code()> replace;
    };
    const std::vector<Case> cases = {
        {"folder takes no new file", false, EACCES,
         [&] {
             fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
             ScopedFilePermissions binding;  // root is bound by permissions too
             platform::AtomicReplace replacement(target_);
             const std::error_code prepared = replacement.Prepare();
             EXPECT_EQ(replacement.Commit(kNew), prepared);
             fs::permissions(folder_, fs::perms::owner_all);
             return prepared;
         }},
        {"disk full mid-write", false, -1, [&] { return ReplaceWithFileSizeLimit(target_, kNew); }},
        {"a folder in the target's place", true, EISDIR,
         [&] { return platform::ReplaceFile(target_, kNew); }},
        {"abandoned after Prepare", false, 0, [&] { return platform::AtomicReplace(target_).Prepare(); }},
        {"a new file wanted, the name taken", false, EEXIST,
         [&] { return platform::CreateNewFile(target_, kNew); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(target_);
        if (c.targetIsFolder) {
            fs::create_directories(target_ / "inside");
        } else {
            Put(kOld, 0640);
        }
        const std::error_code error = c.replace();
        if (c.error < 0) {
            EXPECT_TRUE(error);
        } else {
            EXPECT_EQ(error.value(), c.error) << error.message();
        }
        if (c.targetIsFolder) {
            EXPECT_TRUE(fs::exists(target_ / "inside"));
        } else {
            EXPECT_EQ(Content(), kOld);
            EXPECT_EQ(Mode(), 0640u);
        }
        EXPECT_EQ(Names(), std::vector<std::string>{"image.bin"});
    }
}

}  // namespace
