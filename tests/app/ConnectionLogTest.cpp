// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ConnectionLog.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using app::ConnectionLog;

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// As the engine delivers a connection: its begin, its lines, its end.
void Connection(ConnectionLog& log, const std::vector<std::string>& lines)
{
    log.ConnectionBegan();
    for (const std::string& line : lines)
        log.TraceLine(line);
    log.ConnectionEnded(device::TraceEnd{});
}

TEST(ConnectionLog, KeepsTheLastConnectionsEachEndingWithItsResult)
{
    ConnectionLog log;
    const auto before = log.Version();
    for (int i = 0; i < 25; ++i)
        Connection(log, {"     0 ms  opened COM" + std::to_string(i), "    12 ms  result 0: ok"});
    EXPECT_GT(log.Version(), before);
    const std::string text = log.Text();
    // The oldest five went; the twenty kept stand apart, in order.
    EXPECT_EQ(text.find("opened COM4\n"), std::string::npos);
    EXPECT_EQ(text.rfind("     0 ms  opened COM5\n    12 ms  result 0: ok\n\n", 0), 0u) << text;
    EXPECT_NE(text.find("opened COM24\n    12 ms  result 0: ok\n"), std::string::npos);

    // A connection still running shows what it has so far, after the finished ones; one that
    // never ended stands apart from the next.
    log.ConnectionBegan();
    log.TraceLine("     0 ms  opened COM98");
    log.ConnectionBegan();
    log.TraceLine("     0 ms  opened COM99");
    EXPECT_TRUE(log.Text().ends_with("ok\n\n     0 ms  opened COM98\n\n     0 ms  opened COM99\n"))
        << log.Text();
}

TEST(ConnectionLog, AppendsToItsFileAndRotatesItPastTheBound)
{
    QTemporaryDir dir;
    const std::filesystem::path file =
        std::filesystem::path(dir.path().toStdString()) / "state" / "probex.log";
    ConnectionLog log(file);
    Connection(log, {"     0 ms  opened COM1", "     9 ms  result 2: answer time-out"});
    EXPECT_EQ(ReadAll(file), "     0 ms  opened COM1\n     9 ms  result 2: answer time-out\n\n");

    std::filesystem::resize_file(file, ConnectionLog::kRotateBytes);
    log.ConnectionBegan();
    log.TraceLine("     0 ms  opened COM2");
    std::filesystem::path previous = file;
    previous += ".1";
    EXPECT_EQ(std::filesystem::file_size(previous), ConnectionLog::kRotateBytes);
    EXPECT_EQ(ReadAll(file), "     0 ms  opened COM2\n");  // on disk while the connection runs

    // A connection that outgrows the bound goes on in a fresh file.
    const std::string line(1023, 'x');
    for (std::uintmax_t i = 0; i < ConnectionLog::kRotateBytes / 1024; ++i)
        log.TraceLine(line);
    log.TraceLine("  5000 ms  result 0: ok");
    log.ConnectionEnded(device::TraceEnd{});
    EXPECT_EQ(std::filesystem::file_size(previous), ConnectionLog::kRotateBytes + 23);
    EXPECT_EQ(ReadAll(file), "  5000 ms  result 0: ok\n\n");
}

TEST(ConnectionLog, AFileThatCannotBeWrittenLeavesTheTraceInMemory)
{
    QTemporaryDir dir;
    const std::filesystem::path blocker = std::filesystem::path(dir.path().toStdString()) / "blocker";
    std::ofstream(blocker) << "a file, not a folder";
    ConnectionLog log(blocker / "probex.log");
    Connection(log, {"     0 ms  opened COM1", "     9 ms  result 0: ok"});
    Connection(log, {"     0 ms  opened COM2"});
    // Said once, where the window shows the log.
    EXPECT_EQ(log.Text(), "(the log file " + (blocker / "probex.log").string() +
                              " cannot be written: Not a directory; the connections are kept here only)\n"
                              "     0 ms  opened COM1\n     9 ms  result 0: ok\n\n     0 ms  opened COM2\n");
    EXPECT_EQ(ReadAll(blocker), "a file, not a folder");
}

TEST(ConnectionLog, DefaultFileFollowsTheStateFolder)
{
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    ::setenv("XDG_STATE_HOME", "/tmp/state-home", 1);
    EXPECT_EQ(ConnectionLog::DefaultFile(), "/tmp/state-home/Velmora/probex.log");
    ::setenv("HOME", "/tmp/home", 1);
    ::setenv("XDG_STATE_HOME", "state-home", 1);  // relative: ignored
    EXPECT_EQ(ConnectionLog::DefaultFile(), "/tmp/home/.local/state/Velmora/probex.log");
    ::unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(ConnectionLog::DefaultFile(), "/tmp/home/.local/state/Velmora/probex.log");
    ::setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace
