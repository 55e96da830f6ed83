// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/probex-cli/DumpFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "operation/DumpComparison.h"
#include "operation/FormatText.h"
#include "platform/PathText.h"

namespace probexcli {

using platform::FolderOf;
using platform::InFolder;

namespace {

#ifdef _WIN32
// Bytes as they are (no CR/LF translation), and not handed to programs this one starts.
constexpr int kOpenFlags = O_BINARY | O_NOINHERIT;
#else
constexpr int kOpenFlags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
constexpr int kMaxLinks = 40;  // as many as the kernel follows in a path
#endif

// The text of `id`, "cannot read %s: %s" and the like, for the file and errno.
std::string WithReason(res::ResourceId id, const std::string& file)
{
    return operation::FormatText(id, file, std::strerror(errno));
}

ssize_t ReadWhole(int fd, Dump& dump)
{
#ifdef _WIN32
    return read(fd, dump.data(), static_cast<unsigned>(dump.size()));  // from the start: just opened
#else
    return pread(fd, dump.data(), dump.size(), 0);
#endif
}

}  // namespace

DumpFile::DumpFile(std::string path) : path_(std::move(path)), shown_(platform::PrintableName(path_)) {}

DumpFile::~DumpFile() = default;

DumpLoad DumpFile::Open(bool replace, Dump& dump, std::string& error)
{
    if (!FollowLinks(error))
        return DumpLoad::Unusable;
    const DumpLoad load = LoadTarget(replace, dump, error);
    if (!replace || (load != DumpLoad::Loaded && load != DumpLoad::Missing))
        return load;
    // Creating the temporary file now proves that the folder takes a new file before the device
    // is touched, rather than after a whole read.
    replacement_ = std::make_unique<platform::AtomicReplace>(target_);
    if (const std::error_code failed = replacement_->Prepare()) {
        const std::string folder =
            folder_ == "." ? res::LoadString(res::IDS_CLI_CURRENT_FOLDER) : platform::PrintableName(folder_);
        if (failed.category() == platform::ReplaceRefusalCategory()) {
            error = operation::FormatText(res::IDS_CLI_CANNOT_REPLACE, shown_, failed.message());
        } else {
            error = operation::FormatText(res::IDS_CLI_NO_NEW_FILE, shown_, folder, failed.message());
        }
        return DumpLoad::Unusable;
    }
    error.clear();
    return load;
}

// Finds the file a symbolic link leads to, link after link, as the kernel would, so that the
// replacement takes the target's place and the link stays. A dangling link leads to a missing file.
bool DumpFile::FollowLinks(std::string& error)
{
    target_ = path_;
#ifndef _WIN32
    for (int links = 0;; ++links) {
        struct stat info {};
        if (lstat(target_.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            break;  // what is there, or why nothing can be, LoadTarget tells
        char text[PATH_MAX];
        ssize_t size = -1;
        if (links == kMaxLinks) {
            errno = ELOOP;
        } else if ((size = readlink(target_.c_str(), text, sizeof text)) == ssize_t(sizeof text)) {
            errno = ENAMETOOLONG;
        }
        if (size < 0 || size == ssize_t(sizeof text)) {
            error = shown_ + ": " + std::strerror(errno);
            return false;
        }
        const std::string link(text, std::size_t(size));
        target_ = !link.empty() && link.front() == '/' ? link : InFolder(FolderOf(target_), link);
    }
#else
    static_cast<void>(error);
#endif
    folder_ = FolderOf(target_);
    return true;
}

DumpLoad DumpFile::LoadTarget(bool replace, Dump& dump, std::string& error)
{
    const res::ResourceId cannot = replace ? res::IDS_CLI_CANNOT_WRITE : res::IDS_CLI_CANNOT_READ;
    struct stat info {};
    if (stat(target_.c_str(), &info) != 0) {
        const bool missing = errno == ENOENT && !target_.empty();
        error = WithReason(cannot, shown_);
        return missing ? DumpLoad::Missing : DumpLoad::Unusable;
    }
    // Only a regular file is opened: opening a FIFO waits for a writer, a device may act on it.
    if (!S_ISREG(info.st_mode)) {
        error = operation::FormatText(res::IDS_CLI_NOT_REGULAR, shown_);
        return DumpLoad::Unusable;
    }
    // Opened for what the command will do with it: a read replaces the file, so it must be
    // writable as well. O_NONBLOCK: something else put there since stat() cannot block us.
    const int fd = open(target_.c_str(), (replace ? O_RDWR : O_RDONLY) | kOpenFlags);
    if (fd < 0) {
        error = WithReason(cannot, shown_);
        return DumpLoad::Unusable;
    }
    DumpLoad outcome = DumpLoad::Loaded;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = operation::FormatText(res::IDS_CLI_NOT_REGULAR, shown_);
        outcome = DumpLoad::Unusable;
    } else if (info.st_size != off_t(dump.size())) {
        error = operation::DumpSizeDetail(shown_, std::uintmax_t(info.st_size));
        outcome = DumpLoad::WrongSize;
    } else if (ReadWhole(fd, dump) != ssize_t(dump.size())) {
        error = WithReason(cannot, shown_);
        outcome = DumpLoad::Unusable;
    }
    close(fd);
    return outcome;
}

bool DumpFile::Replace(const Dump& dump, std::string& error)
{
    if (const std::error_code failed = replacement_->Commit(dump)) {
        error = operation::FormatText(res::IDS_CLI_CANNOT_WRITE, shown_, failed.message());
        return false;
    }
    return true;
}

}  // namespace probexcli
