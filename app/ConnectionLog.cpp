// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ConnectionLog.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "operation/FileProblemText.h"
#include "operation/FormatText.h"
#include "platform/RegularFile.h"
#include "platform/UserFolders.h"

namespace app {

namespace {

std::size_t Footprint(const std::string& text, std::size_t lines)
{
    return text.size() + lines * sizeof(std::uint32_t);
}

}  // namespace

ConnectionLog::ConnectionLog(std::filesystem::path file) : file_(std::move(file)) {}

ConnectionLog::~ConnectionLog()
{
    CloseFile();
}

void ConnectionLog::ConnectionBegan(const device::TraceBegin& begin)
{
    const std::string header = device::DescribeBegin(begin);
    const std::lock_guard lock(mutex_);
    BeginConnection(&header);
}

void ConnectionLog::TraceLine(const std::string& line)
{
    const std::lock_guard lock(mutex_);
    if (!connectionOpen_)
        BeginConnection(nullptr);
    AddLine(line);
}

void ConnectionLog::ConnectionEnded(const device::TraceEnd&)
{
    const std::lock_guard lock(mutex_);
    EndConnection();
}

void ConnectionLog::BeginConnection(const std::string* header)
{
    // One the engine's destruction cut short gets no end event; it still ends here.
    if (connectionOpen_)
        EndConnection();
    connections_.push_back(Connection{++connectionsBegun_, {}, {}});
    connectionOpen_ = true;
    const std::error_code error = OpenFile();
    if (header)
        AddLine(*header);
    if (error)
        NoteFileProblem(error);
}

void ConnectionLog::EndConnection()
{
    connectionOpen_ = false;
    // A finished connection grows no more: its spare capacity would only count against the bound.
    Connection& last = connections_.back();
    last.text.shrink_to_fit();
    last.lineStarts.shrink_to_fit();
    if (fd_ >= 0) {
        platform::WriteAll(fd_, "\n");
        CloseFile();
    }
}

void ConnectionLog::AddLine(const std::string& line)
{
    KeepLine(line);
    WriteLine(line);
}

void ConnectionLog::KeepLine(std::string_view line)
{
    Connection& current = connections_.back();
    keptBytes_ -= Footprint(current.text, current.lineStarts.size());
    current.lineStarts.push_back(std::uint32_t(current.text.size()));
    current.text += line;
    current.text += '\n';
    keptBytes_ += Footprint(current.text, current.lineStarts.size());
    while (connections_.size() > 1 && (connections_.size() > kKeptConnections || keptBytes_ > kKeptBytes)) {
        keptBytes_ -= Footprint(connections_.front().text, connections_.front().lineStarts.size());
        connections_.pop_front();
    }
    version_.fetch_add(1, std::memory_order_release);
}

void ConnectionLog::WriteLine(const std::string& line)
{
    if (fd_ < 0)
        return;
    if (fileBytes_ >= kFileBytes) {
        if (const std::error_code error = OpenFile()) {
            NoteFileProblem(error);
            return;
        }
    }
    // On disk at once, so the lines before a hang or a crash are there to read.
    const std::error_code error = platform::WriteAll(fd_, line + '\n');
    fileBytes_ += line.size() + 1;
    if (error) {
        CloseFile();
        NoteFileProblem(error);
    }
}

std::error_code ConnectionLog::OpenFile()
{
    CloseFile();
    if (file_.empty())
        return {};
    // A log that cannot be written must never stop a transfer: the trace stays in memory.
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    // Owner-only when new: the trace holds every byte read from the device.
    fd_ = platform::OpenRegularFile(file_.string(), platform::FileUse::Append, error);
    if (fd_ < 0)
        return error;
    // The size of the file just opened; a name swapped meanwhile only moves the rotation.
    fileBytes_ = std::filesystem::file_size(file_, error);
    if (!error && fileBytes_ >= kFileBytes) {
        CloseFile();
        RotateFiles();
        fd_ = platform::OpenRegularFile(file_.string(), platform::FileUse::Append, error);
        if (fd_ < 0)
            return error;
    }
    // Counted from here even when the file could not be moved aside, so that is tried again
    // only after another bound's worth of lines, not for every line.
    fileBytes_ = error || fileBytes_ >= kFileBytes ? 0 : fileBytes_;
    return {};
}

void ConnectionLog::CloseFile()
{
    platform::CloseFile(fd_);
    fd_ = -1;
}

void ConnectionLog::RotateFiles()
{
    // Renaming onto the oldest drops it; a file missing from the chain moves nothing.
    std::error_code ignored;
    for (int number = kFiles - 1; number >= 1; --number)
        std::filesystem::rename(RotatedFile(file_, number - 1), RotatedFile(file_, number), ignored);
}

void ConnectionLog::NoteFileProblem(const std::error_code& error)
{
    if (fileProblemNoted_)
        return;
    fileProblemNoted_ = true;
    KeepLine(
        operation::FormatText(res::IDS_LOG_FILE_FAILED, file_.string(), operation::FileProblemText(error)));
}

std::string ConnectionLog::Text() const
{
    const std::lock_guard lock(mutex_);
    std::string text;
    for (const Connection& connection : connections_) {
        if (!text.empty())
            text += '\n';
        text += connection.text;
    }
    return text;
}

std::vector<ConnectionLog::Lines> ConnectionLog::LinesAfter(Position& seen, std::size_t maxLines) const
{
    const std::lock_guard lock(mutex_);
    std::vector<Lines> found;
    std::size_t room = maxLines;
    for (auto it = connections_.rbegin(); it != connections_.rend() && room > 0; ++it) {
        if (it->number < seen.connection)
            break;
        const std::size_t total = it->lineStarts.size();
        const std::size_t unseen = total - (it->number == seen.connection ? std::min(seen.lines, total) : 0);
        const std::size_t count = std::min(unseen, room);
        if (count > 0) {
            const std::size_t first = total - count;
            found.push_back(Lines{it->number, count, it->text.substr(it->lineStarts[first])});
            room -= count;
        }
        if (it->number == seen.connection)
            break;
    }
    std::reverse(found.begin(), found.end());
    if (!connections_.empty())
        seen = Position{connections_.back().number, connections_.back().lineStarts.size()};
    return found;
}

std::filesystem::path ConnectionLog::DefaultFile()
{
    return std::filesystem::path(platform::ProgramFolder(platform::FolderKind::State)) / "probex.log";
}

std::filesystem::path ConnectionLog::RotatedFile(const std::filesystem::path& file, int number)
{
    if (number == 0)
        return file;
    std::filesystem::path rotated = file;
    rotated += "." + std::to_string(number);
    return rotated;
}

}  // namespace app
