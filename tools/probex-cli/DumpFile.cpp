#include "tools/probex-cli/DumpFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace probexcli {

namespace {

constexpr int kMaxLinks = 40;  // as many as the kernel follows in a path
// Short, so that a FILE name up to the system's limit still leaves room for the temporary one.
constexpr char kTemporaryPrefix[] = ".probex-";

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string InFolder(const std::string& folder, const std::string& name)
{
    return folder == "/" ? "/" + name : folder + "/" + name;
}

std::string WithReason(const std::string& text)
{
    return text + ": " + std::strerror(errno);
}

bool WriteDump(int fd, const Dump& dump)
{
    const ssize_t written = pwrite(fd, dump.data(), dump.size(), 0);
    if (written >= 0 && written != ssize_t(dump.size()))
        errno = ENOSPC;
    return written == ssize_t(dump.size());
}

}  // namespace

DumpFile::DumpFile(std::string path) : path_(std::move(path)) {}

DumpFile::~DumpFile()
{
    DropTemporary();
}

DumpLoad DumpFile::Open(bool replace, Dump& dump, std::string& error)
{
    if (!FollowLinks(error))
        return DumpLoad::Unusable;
    const DumpLoad load = LoadTarget(replace, dump, error);
    if (!replace || (load != DumpLoad::Loaded && load != DumpLoad::Missing))
        return load;
    if (!CreateTemporary(error))
        return DumpLoad::Unusable;
    error.clear();
    return load;
}

// Finds the file a symbolic link leads to, link after link, as the kernel would, so that the
// replacement takes the target's place and the link stays. A dangling link leads to a missing file.
bool DumpFile::FollowLinks(std::string& error)
{
    target_ = path_;
    for (int links = 0;; ++links) {
        struct stat info {};
        if (lstat(target_.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            break;  // what is there, or why nothing can be, LoadTarget tells
        char text[PATH_MAX];
        ssize_t size = -1;
        if (links == kMaxLinks)
            errno = ELOOP;
        else if ((size = readlink(target_.c_str(), text, sizeof text)) == ssize_t(sizeof text))
            errno = ENAMETOOLONG;
        if (size < 0 || size == ssize_t(sizeof text)) {
            error = WithReason(path_);
            return false;
        }
        const std::string link(text, std::size_t(size));
        target_ = !link.empty() && link.front() == '/' ? link : InFolder(FolderOf(target_), link);
    }
    folder_ = FolderOf(target_);
    return true;
}

DumpLoad DumpFile::LoadTarget(bool replace, Dump& dump, std::string& error)
{
    const std::string cannot = replace ? "cannot write " : "cannot read ";
    struct stat info {};
    if (stat(target_.c_str(), &info) != 0) {
        const bool missing = errno == ENOENT && !target_.empty();
        error = WithReason(cannot + path_);
        return missing ? DumpLoad::Missing : DumpLoad::Unusable;
    }
    // Only a regular file is opened: opening a FIFO waits for a writer, a device may act on it.
    if (!S_ISREG(info.st_mode)) {
        error = path_ + ": not a regular file";
        return DumpLoad::Unusable;
    }
    // Opened for what the command will do with it: a read replaces the file, so it must be
    // writable as well. O_NONBLOCK: something else put there since stat() cannot block us.
    const int fd = open(target_.c_str(), (replace ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = WithReason(cannot + path_);
        return DumpLoad::Unusable;
    }
    DumpLoad outcome = DumpLoad::Loaded;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = path_ + ": not a regular file";
        outcome = DumpLoad::Unusable;
    } else if (info.st_size != off_t(dump.size())) {
        outcome = DumpLoad::WrongSize;
    } else if (pread(fd, dump.data(), dump.size(), 0) != ssize_t(dump.size())) {
        error = WithReason(cannot + path_);
        outcome = DumpLoad::Unusable;
    }
    close(fd);
    return outcome;
}

// Creating the temporary file now proves that the folder takes a new file before the device is
// touched, rather than after a whole read.
bool DumpFile::CreateTemporary(std::string& error)
{
#ifdef O_TMPFILE
    // Nameless until it takes the file's place: a program killed mid-read leaves nothing behind.
    tempFd_ = open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (tempFd_ >= 0)
        return true;
    const bool unsupported = errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL;
    if (!unsupported || !CreateNamedTemporary()) {
#else
    if (!CreateNamedTemporary()) {
#endif
        const std::string folder = folder_ == "." ? "the current folder" : folder_;
        error = WithReason("cannot write " + path_ + ": no new file can be made in " + folder);
        return false;
    }
    return true;
}

bool DumpFile::CreateNamedTemporary()
{
    std::string name = InFolder(folder_, std::string(kTemporaryPrefix) + "XXXXXX");
    tempFd_ = mkostemp(name.data(), O_CLOEXEC);
    if (tempFd_ < 0)
        return false;
    tempName_ = name;
    return true;
}

// Gives the nameless temporary file a short random name beside the file, ready for rename().
bool DumpFile::NameTemporary()
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    const std::string self = "/proc/self/fd/" + std::to_string(tempFd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = InFolder(folder_, kTemporaryPrefix);
        for (int i = 0; i < 6; ++i)
            name += kLetters[random() % (sizeof kLetters - 1)];
        if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            tempName_ = name;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool DumpFile::FillTemporary(const Dump& dump, mode_t mode)
{
    fchmod(tempFd_, mode);
    return WriteDump(tempFd_, dump) && fsync(tempFd_) == 0;
}

void DumpFile::DropTemporary()
{
    if (tempFd_ >= 0)
        close(tempFd_);
    tempFd_ = -1;
    if (!tempName_.empty())
        unlink(tempName_.c_str());
    tempName_.clear();
}

bool DumpFile::Replace(const Dump& dump, std::string& error)
{
    // The temporary file is the owner's only: the replacement takes the permissions of the file
    // it replaces, and a new dump those of any new document.
    mode_t mode = 0;
    struct stat existing {};
    if (stat(target_.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    bool done = FillTemporary(dump, mode);
    if (done && tempName_.empty() && !NameTemporary()) {
        DropTemporary();  // no /proc to name it through: a named temporary file instead
        done = CreateNamedTemporary() && FillTemporary(dump, mode);
    }
    if (done) {
        done = close(tempFd_) == 0;
        tempFd_ = -1;
    }
    if (!done || rename(tempName_.c_str(), target_.c_str()) != 0) {
        error = WithReason("cannot write " + path_);
        DropTemporary();
        return false;
    }
    tempName_.clear();
    return true;
}

}  // namespace probexcli
