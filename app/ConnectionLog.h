// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/DeviceTrace.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace app {

// The engine's trace of the last connections, kept in memory for the connection log window and
// appended to a log file that rotates through a few files. The trace arrives on the engine's
// worker thread; everything else may be called from any thread.
class ConnectionLog : public device::TraceSink {
public:
    // In memory: the last connections while their text stays within kKeptBytes; the newest is
    // always kept (the engine's passes bound one connection to well under a megabyte).
    static constexpr std::size_t kKeptConnections = 20;
    static constexpr std::size_t kKeptBytes = 8 * 1024 * 1024;
    // On disk: past kFileBytes the file moves aside as file.1, file.1 as file.2 and so on;
    // kFiles files in all, the oldest dropped.
    static constexpr std::uintmax_t kFileBytes = 4 * 1024 * 1024;
    static constexpr int kFiles = 5;

    // How far a reader of the log has got.
    struct Position {
        std::uint64_t connection = 0;  // 0 before the first
        std::size_t lines = 0;         // of that connection
    };
    // Consecutive lines of one connection, each ending in '\n'.
    struct Lines {
        std::uint64_t connection = 0;  // numbered from 1 in the order they began
        std::size_t count = 0;
        std::string text;
    };

    // An empty path keeps the trace in memory only.
    explicit ConnectionLog(std::filesystem::path file = {});
    ~ConnectionLog() override;
    ConnectionLog(const ConnectionLog&) = delete;
    ConnectionLog& operator=(const ConnectionLog&) = delete;

    void ConnectionBegan(const device::TraceBegin& begin) override;
    void TraceLine(const std::string& line) override;
    void ConnectionEnded(const device::TraceEnd& end) override;

    // The kept connections, oldest first, one line each, a blank line between connections.
    std::string Text() const;

    // The lines added after `seen`, oldest first, at most the newest `maxLines` of them; moves
    // `seen` past the last line kept.
    std::vector<Lines> LinesAfter(Position& seen, std::size_t maxLines) const;

    // Grows with every line, so a window can tell cheaply whether there is anything new.
    std::uint64_t Version() const { return version_.load(std::memory_order_acquire); }

    // probex.log in the program's state folder (platform::ProgramFolder).
    static std::filesystem::path DefaultFile();
    // file.1, file.2, ...; file itself for 0.
    static std::filesystem::path RotatedFile(const std::filesystem::path& file, int number);

private:
    struct Connection {
        std::uint64_t number = 0;
        std::string text;
        std::vector<std::uint32_t> lineStarts;
    };

    // All with mutex_ held.
    void BeginConnection(const std::string* header);
    void EndConnection();
    void AddLine(const std::string& line);
    void KeepLine(std::string_view line);
    void WriteLine(const std::string& line);
    // Opens the file for appending, first rotating the files when it has grown past the bound;
    // why it failed, nothing when open or when there is no file. Only a regular file is taken,
    // never through a symbolic link at its name (another user's link there would have the
    // trace appended to its target), and a FIFO cannot hold the opening up.
    std::error_code OpenFile();
    void CloseFile();
    void RotateFiles();
    // Once a run, in memory only: the window's reader learns why probex.log lacks the trace.
    void NoteFileProblem(const std::error_code& error);

    mutable std::mutex mutex_;
    std::filesystem::path file_;
    int fd_ = -1;                   // open while a connection runs
    std::uintmax_t fileBytes_ = 0;  // the open file's size
    bool fileProblemNoted_ = false;
    std::deque<Connection> connections_;
    std::size_t keptBytes_ = 0;
    std::uint64_t connectionsBegun_ = 0;
    bool connectionOpen_ = false;
    std::atomic<std::uint64_t> version_{0};
};

}  // namespace app
