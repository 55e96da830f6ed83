#include "app/ConnectionLog.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace app {

namespace {

// The engine ends every connection, failed ones included, with "<ms> ms  result N: ...".
bool EndsConnection(const std::string& line)
{
    const auto text = line.find(" ms  ");
    return text != std::string::npos && line.compare(text + 5, 7, "result ") == 0;
}

}  // namespace

ConnectionLog::ConnectionLog(std::filesystem::path file) : file_(std::move(file)) {}

void ConnectionLog::TraceLine(const std::string& line)
{
    {
        const std::lock_guard lock(mutex_);
        if (!connectionOpen_) {
            connections_.emplace_back();
            if (connections_.size() > kKeptConnections)
                connections_.pop_front();
            connectionOpen_ = true;
        }
        connections_.back() += line;
        connections_.back() += '\n';
        connectionOpen_ = !EndsConnection(line);
        AppendToFile(connectionOpen_ ? line : line + "\n");
    }
    version_.fetch_add(1, std::memory_order_release);
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
    std::filesystem::path folder = state && *state ? std::filesystem::path(state)
                                   : home && *home ? std::filesystem::path(home) / ".local" / "state"
                                                   : std::filesystem::path();
    if (folder.empty())
        return {};
    return folder / "Velmora" / "probex.log";
}

void ConnectionLog::AppendToFile(const std::string& line)
{
    if (file_.empty())
        return;
    // A log that cannot be written must never stop a transfer: failures are dropped.
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    if (std::filesystem::file_size(file_, error) >= kRotateBytes && !error) {
        std::filesystem::path previous = file_;
        previous += ".1";
        std::filesystem::rename(file_, previous, error);
    }
    std::ofstream out(file_, std::ios::app);
    out << line << '\n';
}

}  // namespace app
