// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/probex-cli/TraceFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "operation/FormatText.h"
#include "platform/PathText.h"

namespace probexcli {

using operation::FormatText;

// Writes straight to a descriptor and keeps the first error, which a std::ofstream would lose.
class TraceFile::Buffer : public std::streambuf {
public:
    explicit Buffer(int fd) : fd_(fd) { setp(space_, space_ + sizeof space_); }
    ~Buffer() override
    {
        sync();
        close(fd_);
    }
    int error = 0;

protected:
    int overflow(int c) override
    {
        if (sync() != 0)
            return traits_type::eof();
        if (c != traits_type::eof()) {
            *pptr() = char(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override
    {
        const char* next = pbase();
        while (next < pptr() && error == 0) {
            const ssize_t written = write(fd_, next, std::size_t(pptr() - next));
            if (written > 0) {
                next += written;
            } else if (written < 0 && errno != EINTR) {
                error = errno;
            }
        }
        setp(space_, space_ + sizeof space_);
        return error == 0 ? 0 : -1;
    }

private:
    int fd_;
    char space_[4096];
};

TraceFile::TraceFile() = default;

TraceFile::~TraceFile()
{
    file_.reset();  // before the buffer it writes through
}

namespace {

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether `path` names the dump's file, also while one of them does not exist yet.
bool IsTheDump(const std::string& path, const std::string& dumpTarget)
{
    if (dumpTarget.empty())
        return false;
    struct stat trace {};
    struct stat dump {};
    if (stat(path.c_str(), &trace) == 0 && stat(dumpTarget.c_str(), &dump) == 0)
        return SameFile(trace, dump);
    std::error_code ignored;
    return std::filesystem::weakly_canonical(path, ignored) ==
           std::filesystem::weakly_canonical(dumpTarget, ignored);
}

}  // namespace

bool TraceFile::Open(const std::string& path, const std::string& dumpTarget, std::ostream& err,
                     std::string& error)
{
    if (path == "-") {
        out_ = &err;
        return true;
    }
    shown_ = platform::PrintableName(path);
    if (IsTheDump(path, dumpTarget)) {
        error = FormatText(res::IDS_CLI_TRACE_IS_FILE, shown_);
        return false;
    }
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        error = FormatText(res::IDS_CLI_TRACE_NOT_REGULAR, shown_);
        return false;
    }
    // O_NONBLOCK: a FIFO put there since stat() cannot hold the program in open().
#ifdef _WIN32
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NOINHERIT, 0666);
#else
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
#endif
    if (fd < 0) {
        error = FormatText(res::IDS_CLI_TRACE_CANNOT, shown_, std::strerror(errno));
        return false;
    }
    // Emptied only once it is known to be a regular file other than FILE.
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || IsTheDump(path, dumpTarget) ||
        ftruncate(fd, 0) != 0) {
        error = FormatText(res::IDS_CLI_TRACE_NOT_REGULAR, shown_);
        close(fd);
        return false;
    }
#ifndef _WIN32
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
#endif
    buffer_ = std::make_unique<Buffer>(fd);
    file_ = std::make_unique<std::ostream>(buffer_.get());
    out_ = file_.get();
    return true;
}

bool TraceFile::Finish(std::string& error)
{
    if (!file_)
        return true;
    file_->flush();
    if (buffer_->error == 0)
        return true;
    error = FormatText(res::IDS_CLI_TRACE_LOST, shown_, std::strerror(buffer_->error));
    return false;
}

}  // namespace probexcli
