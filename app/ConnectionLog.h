#pragma once

#include "device/DeviceTrace.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>

namespace app {

// The engine's trace of the last connections, kept in memory for the connection log window and
// appended to a log file that is rotated when it grows past a bound. Lines arrive on the
// engine's worker thread; everything else may be called from any thread.
class ConnectionLog : public device::TraceSink {
public:
    static constexpr std::size_t kKeptConnections = 20;
    static constexpr std::uintmax_t kRotateBytes = 1024 * 1024;

    // An empty path keeps the trace in memory only.
    explicit ConnectionLog(std::filesystem::path file = {});

    void TraceLine(const std::string& line) override;

    // The kept connections, oldest first, one line each, a blank line between connections.
    std::string Text() const;

    // Grows with every line, so a window can tell cheaply whether it must show the text again.
    std::uint64_t Version() const { return version_.load(std::memory_order_acquire); }

    // $XDG_STATE_HOME/Velmora/probex.log, ~/.local/state when the variable is unset.
    static std::filesystem::path DefaultFile();

private:
    void AppendToFile(const std::string& line);

    mutable std::mutex mutex_;
    std::filesystem::path file_;
    std::deque<std::string> connections_;  // each ends with its "result" line once finished
    bool connectionOpen_ = false;
    std::atomic<std::uint64_t> version_{0};
};

}  // namespace app
