// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrivateFolder.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/PathText.h"
#include "platform/RegularFile.h"

namespace platform {

namespace {

constexpr mode_t kOwnerOnlyFolder = 0700;
constexpr mode_t kOwnerOnlyFile = 0600;

std::error_code LastError()
{
    return {errno, std::generic_category()};
}

// One name of this folder: never a path, never the folder itself or its parent.
bool IsPlainName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        done += std::size_t(written);
    }
    return true;
}

}  // namespace

struct PrivateFolder::Handle {
    explicit Handle(int descriptor) : fd(descriptor) {}
    ~Handle() { close(fd); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    int fd;
};

PrivateFolder::PrivateFolder(std::unique_ptr<Handle> handle, std::string path)
    : handle_(std::move(handle)), path_(std::move(path))
{}

PrivateFolder::~PrivateFolder() = default;

std::unique_ptr<PrivateFolder> PrivateFolder::OpenBase(const std::string& path, bool create,
                                                       std::error_code& error)
{
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    int fd = open(path.c_str(), flags);
    if (fd < 0 && errno == ENOENT && create) {
        // Folder after folder from the top; those already there, links included, are the user's.
        for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
            const std::string part = path.substr(0, slash);
            if (mkdir(part.c_str(), kOwnerOnlyFolder) != 0 && errno != EEXIST)
                break;
            if (slash == std::string::npos)
                break;
        }
        fd = open(path.c_str(), flags);
    }
    if (fd < 0) {
        error = LastError();
        return nullptr;
    }
    error.clear();
    return std::unique_ptr<PrivateFolder>(new PrivateFolder(std::make_unique<Handle>(fd), path));
}

std::unique_ptr<PrivateFolder> PrivateFolder::Open(const std::string& name, bool create,
                                                   std::error_code& error) const
{
    if (!IsPlainName(name)) {
        error = std::make_error_code(std::errc::invalid_argument);
        return nullptr;
    }
    const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int fd = openat(handle_->fd, name.c_str(), flags);
    if (fd < 0 && errno == ENOENT && create) {
        if (mkdirat(handle_->fd, name.c_str(), kOwnerOnlyFolder) == 0 || errno == EEXIST)
            fd = openat(handle_->fd, name.c_str(), flags);
    }
    if (fd < 0) {
        error = LastError();
        // A link says ENOTDIR or ELOOP, as its target may; what it is tells more.
        struct stat info {};
        if (fstatat(handle_->fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(info.st_mode))
            error = FileRefusal::Link;
        return nullptr;
    }
    error.clear();
    return std::unique_ptr<PrivateFolder>(
        new PrivateFolder(std::make_unique<Handle>(fd), InFolder(path_, name)));
}

std::error_code PrivateFolder::KeepPrivate()
{
    struct stat info {};
    if (fstat(handle_->fd, &info) != 0)
        return LastError();
    if (info.st_uid != geteuid() || (info.st_mode & 077) == 0)
        return {};
    if (fchmod(handle_->fd, info.st_mode & 07700) != 0)
        return LastError();
    return {};
}

std::vector<std::string> PrivateFolder::Files() const
{
    return Entries(false);
}

std::vector<std::string> PrivateFolder::Folders() const
{
    return Entries(true);
}

std::vector<std::string> PrivateFolder::Entries(bool folders) const
{
    std::vector<std::string> names;
    const int fd = openat(handle_->fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* listing = fd < 0 ? nullptr : fdopendir(fd);
    if (!listing) {
        if (fd >= 0)
            close(fd);
        return names;
    }
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        struct stat info {};
        if (!IsPlainName(name) || fstatat(handle_->fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (folders ? S_ISDIR(info.st_mode) : S_ISREG(info.st_mode))
            names.push_back(name);
    }
    closedir(listing);
    return names;
}

std::error_code PrivateFolder::CreateFile(const std::string& name, std::span<const std::uint8_t> bytes)
{
    return Store(name, bytes, false);
}

std::error_code PrivateFolder::ReplaceFile(const std::string& name, std::span<const std::uint8_t> bytes)
{
    return Store(name, bytes, true);
}

std::error_code PrivateFolder::Store(const std::string& name, std::span<const std::uint8_t> bytes,
                                     bool replace)
{
    if (!IsPlainName(name))
        return std::make_error_code(std::errc::invalid_argument);
    const int folder = handle_->fd;
    std::random_device random;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", unsigned(random()));
        temporary = std::string(".probex-") + suffix;
        fd = openat(folder, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    kOwnerOnlyFile);
        if (fd < 0 && errno != EEXIST)
            return LastError();
    }
    if (fd < 0)
        return LastError();
    // Exactly owner-only, whatever the umask.
    bool done = fchmod(fd, kOwnerOnlyFile) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
    std::error_code error = done ? std::error_code() : LastError();
    if (close(fd) != 0 && done) {
        done = false;
        error = LastError();
    }
    if (done) {
        if (replace) {
            done = renameat(folder, temporary.c_str(), folder, name.c_str()) == 0;
        } else {
            // Never over another file of that name, not even one put there meanwhile. Filesystems
            // without RENAME_NOREPLACE (EINVAL) mostly still make hard links.
            done = renameat2(folder, temporary.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0;
            if (!done && errno == EINVAL)
                done = linkat(folder, temporary.c_str(), folder, name.c_str(), 0) == 0;
        }
        if (!done)
            error = LastError();
    }
    unlinkat(folder, temporary.c_str(), 0);  // gone already after a rename
    if (done)
        fsync(folder);  // the new name on the disk too
    return done ? std::error_code() : error;
}

std::error_code PrivateFolder::ReadFile(const std::string& name, std::string& text,
                                        std::size_t maxBytes) const
{
    text.clear();
    if (!IsPlainName(name))
        return std::make_error_code(std::errc::invalid_argument);
    const int fd =
        openat(handle_->fd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return LastError();
    struct stat info {};
    std::error_code error;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = std::make_error_code(std::errc::invalid_argument);
    } else {
        text.resize(maxBytes);
        const ssize_t size = pread(fd, text.data(), maxBytes, 0);
        if (size < 0)
            error = LastError();
        text.resize(size < 0 ? 0 : std::size_t(size));
    }
    close(fd);
    return error;
}

std::error_code PrivateFolder::RemoveFile(const std::string& name)
{
    if (!IsPlainName(name))
        return std::make_error_code(std::errc::invalid_argument);
    // unlinkat() without AT_REMOVEDIR takes no folder; a link is removed itself.
    if (unlinkat(handle_->fd, name.c_str(), 0) != 0)
        return LastError();
    return {};
}

}  // namespace platform
