// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AtomicReplace.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/PathText.h"

namespace platform {

namespace {

// Short, so that a target name up to the system's limit still leaves room for the temporary one.
constexpr char kTemporaryPrefix[] = ".probex-";

std::error_code LastError()
{
    return {errno, std::generic_category()};
}

}  // namespace

KeptAttributes AttributesToKeep(const std::string& target)
{
    KeptAttributes kept;
    struct stat existing {};
    if (stat(target.c_str(), &existing) == 0) {
        kept.mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        kept.mode = 0666 & ~mask;
    }
    return kept;
}

AtomicReplace::AtomicReplace(std::string target) : target_(std::move(target)), folder_(FolderOf(target_)) {}

AtomicReplace::~AtomicReplace()
{
    Drop();
}

std::error_code AtomicReplace::Prepare()
{
    if (fd_ >= 0)
        return {};
#ifdef O_TMPFILE
    // Nameless until it takes the target's place: a program killed meanwhile leaves nothing behind.
    // Owner-only until then; Commit() gives it the kept attributes.
    fd_ = open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd_ >= 0)
        return {};
    const bool unsupported = errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL;
    if (!unsupported)
        return LastError();
#endif
    return CreateNamed() ? std::error_code{} : LastError();
}

bool AtomicReplace::CreateNamed()
{
    std::string name = InFolder(folder_, std::string(kTemporaryPrefix) + "XXXXXX");
    fd_ = mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0)
        return false;
    name_ = name;
    return true;
}

// Gives the nameless temporary file a short random name beside the target, ready for rename().
bool AtomicReplace::NameNameless()
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = InFolder(folder_, kTemporaryPrefix);
        for (int i = 0; i < 6; ++i)
            name += kLetters[random() % (sizeof kLetters - 1)];
        if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            name_ = name;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool AtomicReplace::Fill(std::span<const std::uint8_t> bytes, const KeptAttributes& kept)
{
    fchmod(fd_, kept.mode);
    const ssize_t written = pwrite(fd_, bytes.data(), bytes.size(), 0);
    if (written >= 0 && written != ssize_t(bytes.size()))
        errno = ENOSPC;
    return written == ssize_t(bytes.size()) && fsync(fd_) == 0;
}

void AtomicReplace::Drop()
{
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
    if (!name_.empty())
        unlink(name_.c_str());
    name_.clear();
}

std::error_code AtomicReplace::Commit(std::span<const std::uint8_t> bytes)
{
    if (const std::error_code error = Prepare())
        return error;
    const KeptAttributes kept = AttributesToKeep(target_);
    bool done = Fill(bytes, kept);
    if (done && name_.empty() && !NameNameless()) {
        Drop();  // no /proc to name it through: a named temporary file instead
        done = CreateNamed() && Fill(bytes, kept);
    }
    if (done) {
        done = close(fd_) == 0;
        fd_ = -1;
    }
    if (!done || rename(name_.c_str(), target_.c_str()) != 0) {
        const std::error_code error = LastError();
        Drop();
        return error;
    }
    name_.clear();
    return {};
}

std::error_code ReplaceFile(const std::string& target, std::span<const std::uint8_t> bytes)
{
    return AtomicReplace(target).Commit(bytes);
}

}  // namespace platform
