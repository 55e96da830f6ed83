// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AtomicReplace.h"

#include <cerrno>
#include <cstdio>
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

class RefusalCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "replace"; }
    std::string message(int value) const override
    {
        switch (ReplaceRefusal(value)) {
        case ReplaceRefusal::OwnerNotKept:
            return "the new file could not keep the owner and group of the file it replaces";
        case ReplaceRefusal::StickyFolder:
            return "the folder is sticky and the file belongs to another user";
        }
        return "refused";
    }
};

// A sticky folder (such as /tmp) lets only the file's owner, the folder's owner or a privileged
// caller rename over a file: otherwise the rename at the end would be refused after all the work.
std::error_code CheckStickyFolder(const std::string& folderPath, const std::string& target)
{
    struct stat folder {};
    struct stat file {};
    if (stat(folderPath.c_str(), &folder) != 0 || !(folder.st_mode & S_ISVTX) ||
        lstat(target.c_str(), &file) != 0)
        return {};
    const uid_t caller = geteuid();
    if (caller == 0 || caller == file.st_uid || caller == folder.st_uid)
        return {};
    return ReplaceRefusal::StickyFolder;
}

KeptAttributes NewFileAttributes()
{
    const mode_t mask = umask(0);
    umask(mask);
    return {0666 & ~mask, false, 0, 0};
}

// Gives the temporary file the kept owner and group.
std::error_code TakeOwner(int fd, const KeptAttributes& kept)
{
    struct stat temporary {};
    if (!kept.existed || fstat(fd, &temporary) != 0)
        return {};
    if (temporary.st_uid == kept.owner && temporary.st_gid == kept.group)
        return {};
    // Root may give the file any owner, anyone may give it a group of their own; the system
    // refuses the rest.
    if (fchown(fd, kept.owner, kept.group) != 0)
        return ReplaceRefusal::OwnerNotKept;
    return {};
}

}  // namespace

const std::error_category& ReplaceRefusalCategory()
{
    static const RefusalCategory category;
    return category;
}

std::error_code make_error_code(ReplaceRefusal refusal)
{
    return {int(refusal), ReplaceRefusalCategory()};
}

KeptAttributes AttributesToKeep(const std::string& target)
{
    struct stat existing {};
    if (stat(target.c_str(), &existing) != 0)
        return NewFileAttributes();
    return {existing.st_mode & 07777, true, existing.st_uid, existing.st_gid};
}

AtomicReplace::AtomicReplace(std::string target, bool replace)
    : target_(std::move(target)), folder_(FolderOf(target_)), replace_(replace)
{}

AtomicReplace::~AtomicReplace()
{
    Drop();
}

KeptAttributes AtomicReplace::Kept() const
{
    return replace_ ? AttributesToKeep(target_) : NewFileAttributes();
}

std::error_code AtomicReplace::Prepare()
{
    if (fd_ >= 0)
        return {};
    // A new file replaces nothing: whoever owns a file at its name, it only has to take another.
    if (replace_) {
        if (const std::error_code refused = CheckStickyFolder(folder_, target_))
            return refused;
    }
    std::error_code error;
#ifdef O_TMPFILE
    // Nameless until it takes the target's place: a program killed meanwhile leaves nothing behind.
    // Owner-only until then; Commit() gives it the kept attributes.
    fd_ = open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    const bool unsupported = fd_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL);
    if (fd_ < 0 && !unsupported)
        return LastError();
    if (unsupported && !CreateNamed())
        return LastError();
#else
    if (!CreateNamed())
        return LastError();
#endif
    // The owner and group are taken now, so a replacement that could not keep them is refused
    // before any costly work.
    if (const std::error_code refused = TakeOwner(fd_, Kept())) {
        Drop();
        return refused;
    }
    return {};
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
    const ssize_t written = pwrite(fd_, bytes.data(), bytes.size(), 0);
    if (written >= 0 && written != ssize_t(bytes.size()))
        errno = ENOSPC;
    if (written != ssize_t(bytes.size()))
        return false;
    // After the write, which takes the set-id bits off for a caller without the privilege to
    // keep them; and they only go with the owner and group they were set under.
    struct stat temporary {};
    const bool sameOwner =
        fstat(fd_, &temporary) == 0 &&
        (!kept.existed || (temporary.st_uid == kept.owner && temporary.st_gid == kept.group));
    fchmod(fd_, sameOwner ? kept.mode : kept.mode & ~mode_t(S_ISUID | S_ISGID));
    return fsync(fd_) == 0;
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
    // Looked at again: the file may have changed hands since Prepare().
    const KeptAttributes kept = Kept();
    if (const std::error_code refused = TakeOwner(fd_, kept)) {
        Drop();
        return refused;
    }
    bool done = Fill(bytes, kept);
    if (done && name_.empty() && !NameNameless()) {
        Drop();  // no /proc to name it through: a named temporary file instead
        done = CreateNamed() && !TakeOwner(fd_, kept) && Fill(bytes, kept);
    }
    if (done) {
        done = close(fd_) == 0;
        fd_ = -1;
    }
    if (!done || !Place()) {
        const std::error_code error = LastError();
        Drop();
        return error;
    }
    name_.clear();
    return {};
}

bool AtomicReplace::Place()
{
    if (replace_)
        return rename(name_.c_str(), target_.c_str()) == 0;
    // A new file must fail on a name already taken, where rename() would replace it. Filesystems
    // that lack RENAME_NOREPLACE (EINVAL) mostly still make hard links.
    if (renameat2(AT_FDCWD, name_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL || link(name_.c_str(), target_.c_str()) != 0)
        return false;
    unlink(name_.c_str());
    return true;
}

std::error_code KeepOwnerOf(const std::string& target, int fd)
{
    if (const std::error_code refused = CheckStickyFolder(FolderOf(target), target))
        return refused;
    return TakeOwner(fd, AttributesToKeep(target));
}

std::error_code ReplaceFile(const std::string& target, std::span<const std::uint8_t> bytes)
{
    return AtomicReplace(target).Commit(bytes);
}

std::error_code CreateNewFile(const std::string& target, std::span<const std::uint8_t> bytes)
{
    return AtomicReplace(target, false).Commit(bytes);
}

}  // namespace platform
