#include "tools/probex-cli/DumpFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace probexcli {

namespace {
std::string SystemError(const std::string& path)
{
    return path + ": " + std::strerror(errno);
}
}  // namespace

DumpLoad LoadDump(const std::string& path, Dump& dump, std::string& error)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return DumpLoad::Missing;
        error = SystemError(path);
        return DumpLoad::Unreadable;
    }
    struct stat info {};
    DumpLoad outcome = DumpLoad::Loaded;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = path + ": not a regular file";
        outcome = DumpLoad::Unreadable;
    } else if (info.st_size != off_t(dump.size())) {
        outcome = DumpLoad::WrongSize;
    } else if (read(fd, dump.data(), dump.size()) != ssize_t(dump.size())) {
        error = SystemError(path);
        outcome = DumpLoad::Unreadable;
    }
    close(fd);
    return outcome;
}

bool SaveDumpAtomically(const std::string& path, const Dump& dump, std::string& error)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = SystemError(temporary);
        return false;
    }
    // mkstemp creates the file for the owner only: the replacement keeps the permissions of
    // the file it replaces, and a new dump gets those of any new document.
    struct stat existing {};
    if (stat(path.c_str(), &existing) == 0) {
        fchmod(fd, existing.st_mode & 07777);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    const bool written = write(fd, dump.data(), dump.size()) == ssize_t(dump.size()) && fsync(fd) == 0;
    if (!written)
        error = SystemError(temporary);
    if (close(fd) != 0 && written) {
        error = SystemError(temporary);
        unlink(temporary.c_str());
        return false;
    }
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        if (written)
            error = SystemError(path);
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace probexcli
