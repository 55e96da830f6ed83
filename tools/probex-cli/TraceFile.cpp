// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/probex-cli/TraceFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "operation/FileProblemText.h"
#include "operation/FormatText.h"
#include "platform/PathText.h"
#include "platform/RegularFile.h"

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
    // Never through a link at the name: in a folder others may write to, another user's link
    // would have the trace written over (and first empty) a file of its choosing. A FIFO or a
    // device is turned down without waiting. Owner-only when new: the trace holds the bytes read.
    std::error_code failed;
    const int fd = platform::OpenRegularFile(path, platform::FileUse::Write, failed);
    if (fd < 0) {
        error = failed == platform::FileRefusal::NotRegular
                    ? FormatText(res::IDS_CLI_TRACE_NOT_REGULAR, shown_)
                    : FormatText(res::IDS_CLI_TRACE_CANNOT, shown_, operation::FileProblemText(failed));
        return false;
    }
    // Emptied only once it is known to be a regular file of its own, not FILE.
    const bool isTheDump = IsTheDump(path, dumpTarget);
    if (isTheDump || ftruncate(fd, 0) != 0) {
        error = isTheDump ? FormatText(res::IDS_CLI_TRACE_IS_FILE, shown_)
                          : FormatText(res::IDS_CLI_TRACE_CANNOT, shown_, std::strerror(errno));
        close(fd);
        return false;
    }
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
