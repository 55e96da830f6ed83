// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ConnectionLog.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace app {

ConnectionLog::ConnectionLog(std::filesystem::path file) : file_(std::move(file)) {}

void ConnectionLog::ConnectionBegan()
{
    const std::lock_guard lock(mutex_);
    BeginConnection();
}

void ConnectionLog::TraceLine(const std::string& line)
{
    {
        const std::lock_guard lock(mutex_);
        if (!connectionOpen_)
            BeginConnection();
        connections_.back() += line;
        connections_.back() += '\n';
        if (out_.is_open()) {
            if (fileBytes_ >= kRotateBytes)
                OpenFile();
            // On disk at once, so the lines before a hang or a crash are there to read.
            out_ << line << '\n' << std::flush;
            fileBytes_ += line.size() + 1;
        }
    }
    version_.fetch_add(1, std::memory_order_release);
}

void ConnectionLog::ConnectionEnded(const device::TraceEnd&)
{
    const std::lock_guard lock(mutex_);
    EndConnection();
}

void ConnectionLog::BeginConnection()
{
    // One the engine's destruction cut short gets no end event; it still ends here.
    if (connectionOpen_)
        EndConnection();
    connections_.emplace_back();
    if (connections_.size() > kKeptConnections)
        connections_.pop_front();
    connectionOpen_ = true;
    OpenFile();
}

void ConnectionLog::EndConnection()
{
    connectionOpen_ = false;
    if (out_.is_open()) {
        out_ << '\n';
        out_.close();
    }
}

void ConnectionLog::OpenFile()
{
    out_.close();
    if (file_.empty())
        return;
    // A log that cannot be written must never stop a transfer: failures are dropped.
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    fileBytes_ = std::filesystem::file_size(file_, error);
    if (!error && fileBytes_ >= kRotateBytes) {
        std::filesystem::path previous = file_;
        previous += ".1";
        std::filesystem::rename(file_, previous, error);
    }
    // Counted from here even when the file could not be moved aside, so that is tried again
    // only after another bound's worth of lines, not for every line.
    fileBytes_ = error || fileBytes_ >= kRotateBytes ? 0 : fileBytes_;
    out_.open(file_, std::ios::app);
    if (!out_.is_open() && !fileFailureTold_) {
        connections_.back() += "(the log file " + file_.string() +
                               " cannot be written: " + std::strerror(errno) +
                               "; the connections are kept here only)\n";
        fileFailureTold_ = true;
    }
}

std::string ConnectionLog::Text() const
{
    const std::lock_guard lock(mutex_);
    std::string text;
    for (const std::string& connection : connections_) {
        if (!text.empty())
            text += '\n';
        text += connection;
    }
    return text;
}

std::filesystem::path ConnectionLog::DefaultFile()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path folder = state && *state == '/' ? std::filesystem::path(state)
                                   : home && *home        ? std::filesystem::path(home) / ".local" / "state"
                                                          : std::filesystem::path();
    if (folder.empty())
        return {};
    return folder / "Velmora" / "probex.log";
}

}  // namespace app
