// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

class RefusalCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "regular file"; }
    // The front ends say it in the user's language; this is for logs and tests.
    std::string message(int value) const override
    {
        return FileRefusal(value) == FileRefusal::Link ? "a symbolic link" : "not a regular file";
    }
};

}  // namespace

const std::error_category& FileRefusalCategory()
{
    static const RefusalCategory category;
    return category;
}

std::error_code make_error_code(FileRefusal refusal)
{
    return {int(refusal), FileRefusalCategory()};
}

int OpenRegularFile(const std::string& path, FileUse use, std::error_code& error, unsigned newMode)
{
    error.clear();
    // O_NONBLOCK: a FIFO would hold open() until a writer came; a device may act on being opened
    // without O_NOCTTY. Both are turned down right after.
    int flags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (use == FileUse::Read) {
        flags |= O_RDONLY;
    } else {
        flags |= O_WRONLY | O_CREAT | O_NOFOLLOW | (use == FileUse::Append ? O_APPEND : 0);
    }
    const int fd = open(path.c_str(), flags, mode_t(newMode));
    if (fd < 0) {
        const int failure = errno;
        // What is there tells more than the errno: O_NOFOLLOW says ELOOP for a link at the name,
        // a FIFO without a reader ENXIO, a folder EISDIR.
        struct stat there {};
        const bool follow = use == FileUse::Read;
        if ((follow ? stat(path.c_str(), &there) : lstat(path.c_str(), &there)) == 0) {
            if (S_ISLNK(there.st_mode)) {
                error = FileRefusal::Link;
                return -1;
            }
            if (!S_ISREG(there.st_mode)) {
                error = FileRefusal::NotRegular;
                return -1;
            }
        }
        error = std::error_code(failure, std::generic_category());
        return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        error = FileRefusal::NotRegular;
        return -1;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::error_code WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return {written == 0 ? ENOSPC : errno, std::generic_category()};
        text.remove_prefix(std::size_t(written));
    }
    return {};
}

void CloseFile(int fd)
{
    if (fd >= 0)
        close(fd);
}

}  // namespace platform
