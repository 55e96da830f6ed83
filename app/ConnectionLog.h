// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/DeviceTrace.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>

namespace app {

// The engine's trace of the last connections, kept in memory for the connection log window and
// appended to a log file that is rotated when it grows past a bound. The trace arrives on the
// engine's worker thread; everything else may be called from any thread.
class ConnectionLog : public device::TraceSink {
public:
    static constexpr std::size_t kKeptConnections = 20;
    static constexpr std::uintmax_t kRotateBytes = 1024 * 1024;

    // An empty path keeps the trace in memory only.
    explicit ConnectionLog(std::filesystem::path file = {});

    void ConnectionBegan() override;
    void TraceLine(const std::string& line) override;
    void ConnectionEnded(const device::TraceEnd& end) override;

    // The kept connections, oldest first, one line each, a blank line between connections.
    std::string Text() const;

    // Grows with every line, so a window can tell cheaply whether it must show the text again.
    std::uint64_t Version() const { return version_.load(std::memory_order_acquire); }

    // $XDG_STATE_HOME/Velmora/probex.log, ~/.local/state when the variable is unset or, as the
    // XDG rule says, not an absolute path.
    static std::filesystem::path DefaultFile();

private:
    // Both with mutex_ held.
    void BeginConnection();
    void EndConnection();
    // Opens the file for appending, first moving it aside when it has grown past the bound.
    void OpenFile();

    mutable std::mutex mutex_;
    std::filesystem::path file_;
    std::ofstream out_;             // open while a connection runs
    std::uintmax_t fileBytes_ = 0;  // the open file's size
    std::deque<std::string> connections_;
    bool connectionOpen_ = false;
    bool fileFailureTold_ = false;  // the log in memory says once that the file cannot be written
    std::atomic<std::uint64_t> version_{0};
};

}  // namespace app
