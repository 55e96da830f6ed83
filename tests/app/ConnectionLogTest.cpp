// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ConnectionLog.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

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

device::TraceBegin ReadIdOn(const std::string& port)
{
    device::TraceBegin begin;
    begin.portName = port;
    begin.portPath = "/dev/ttyS0";
    return begin;
}

std::string Header(const std::string& port)
{
    return device::DescribeBegin(ReadIdOn(port)) + '\n';
}

// As the engine delivers a connection: its begin, its lines, its end.
void Connection(ConnectionLog& log, const std::string& port, const std::vector<std::string>& lines)
{
    log.ConnectionBegan(ReadIdOn(port));
    for (const std::string& line : lines)
        log.TraceLine(line);
    log.ConnectionEnded(device::TraceEnd{});
}

TEST(ConnectionLog, KeepsTheLastConnectionsEachFromItsHeaderToItsResult)
{
    ConnectionLog log;
    const auto before = log.Version();
    for (int i = 0; i < 25; ++i) {
        Connection(log, "COM" + std::to_string(i),
                   {"     0 ms  opened COM" + std::to_string(i), "    12 ms  result 0: ok"});
    }
    EXPECT_GT(log.Version(), before);
    const std::string text = log.Text();
    // The oldest five went; the twenty kept stand apart, in order.
    EXPECT_EQ(text.find("opened COM4\n"), std::string::npos);
    EXPECT_EQ(text.rfind(
                  Header("COM5") + "     0 ms  opened COM5\n    12 ms  result 0: ok\n\n" + Header("COM6"), 0),
              0u)
        << text;
    EXPECT_TRUE(text.ends_with(Header("COM24") + "     0 ms  opened COM24\n    12 ms  result 0: ok\n"))
        << text;

    // A connection still running shows what it has so far, after the finished ones; one that
    // never ended stands apart from the next.
    log.ConnectionBegan(ReadIdOn("COM98"));
    log.TraceLine("     0 ms  opened COM98");
    log.ConnectionBegan(ReadIdOn("COM99"));
    log.TraceLine("     0 ms  opened COM99");
    EXPECT_TRUE(log.Text().ends_with("ok\n\n" + Header("COM98") + "     0 ms  opened COM98\n\n" +
                                     Header("COM99") + "     0 ms  opened COM99\n"))
        << log.Text();
}

TEST(ConnectionLog, MemoryIsBoundedByBytesTheNewestConnectionAlwaysKept)
{
    ConnectionLog log;
    const std::string line(1023, 'x');
    const std::size_t linesPerConnection = ConnectionLog::kKeptBytes / 1024 / 3 + 1;  // a third and more
    for (int i = 0; i < 4; ++i)
        Connection(log, "COM" + std::to_string(i), std::vector<std::string>(linesPerConnection, line));
    std::string text = log.Text();
    EXPECT_LE(text.size(), ConnectionLog::kKeptBytes);
    EXPECT_EQ(text.find("port COM1 "), std::string::npos) << "the oldest went first";
    EXPECT_NE(text.find("port COM2 "), std::string::npos);
    EXPECT_NE(text.find("port COM3 "), std::string::npos);

    // One connection larger than the bound pushes every other out but stays whole.
    Connection(log, "COM4", std::vector<std::string>(ConnectionLog::kKeptBytes / 1024 + 1, line));
    text = log.Text();
    EXPECT_EQ(text.rfind(Header("COM4"), 0), 0u);
    EXPECT_EQ(text.size(), Header("COM4").size() + (ConnectionLog::kKeptBytes / 1024 + 1) * 1024);
}

TEST(ConnectionLog, HandsAReaderEachNewLineOnceAndOnlyTheNewestWhenItFellBehind)
{
    ConnectionLog log;
    ConnectionLog::Position seen;
    EXPECT_TRUE(log.LinesAfter(seen, 100).empty());

    Connection(log, "COM1", {"a", "b"});
    log.ConnectionBegan(ReadIdOn("COM2"));
    log.TraceLine("c");
    auto runs = log.LinesAfter(seen, 100);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, Header("COM1") + "a\nb\n");
    EXPECT_EQ(runs[0].count, 3u);
    EXPECT_EQ(runs[1].text, Header("COM2") + "c\n");
    EXPECT_NE(runs[0].connection, runs[1].connection);

    // The running connection goes on where the reader stopped.
    log.TraceLine("d");
    runs = log.LinesAfter(seen, 100);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].text, "d\n");
    EXPECT_TRUE(log.LinesAfter(seen, 100).empty());

    // Behind by more than it takes: the newest lines only, across the connection's start.
    log.ConnectionEnded(device::TraceEnd{});
    Connection(log, "COM3", {"e", "f"});
    runs = log.LinesAfter(seen, 2);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].text, "e\nf\n");
    runs = log.LinesAfter(seen, 100);
    EXPECT_TRUE(runs.empty());
}

TEST(ConnectionLog, AppendsToItsFileAndRotatesItPastTheBound)
{
    QTemporaryDir dir;
    const std::filesystem::path file =
        std::filesystem::path(dir.path().toStdString()) / "state" / "probex.log";
    ConnectionLog log(file);
    Connection(log, "COM1", {"     0 ms  opened COM1", "     9 ms  result 2: answer time-out"});
    EXPECT_EQ(ReadAll(file),
              Header("COM1") + "     0 ms  opened COM1\n     9 ms  result 2: answer time-out\n\n");
    // The trace holds what the device's EEPROM holds: the user's alone.
    EXPECT_EQ(std::filesystem::status(file).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    std::filesystem::resize_file(file, ConnectionLog::kFileBytes);
    log.ConnectionBegan(ReadIdOn("COM2"));
    log.TraceLine("     0 ms  opened COM2");
    const std::filesystem::path previous = ConnectionLog::RotatedFile(file, 1);
    EXPECT_EQ(std::filesystem::file_size(previous), ConnectionLog::kFileBytes);
    EXPECT_EQ(ReadAll(file), Header("COM2") + "     0 ms  opened COM2\n");  // on disk while it runs

    // A connection that outgrows the bound goes on in a fresh file.
    const std::string line(1023, 'x');
    const std::uintmax_t written = std::filesystem::file_size(file);
    for (std::uintmax_t i = 0; i < ConnectionLog::kFileBytes / 1024; ++i)
        log.TraceLine(line);
    log.TraceLine("  5000 ms  result 0: ok");
    log.ConnectionEnded(device::TraceEnd{});
    EXPECT_EQ(std::filesystem::file_size(previous), written + ConnectionLog::kFileBytes);
    EXPECT_EQ(ReadAll(file), "  5000 ms  result 0: ok\n\n");
}

TEST(ConnectionLog, RotationKeepsItsNumberOfFilesNewestFirst)
{
    QTemporaryDir dir;
    const std::filesystem::path file = std::filesystem::path(dir.path().toStdString()) / "probex.log";
    ConnectionLog log(file);
    const int rounds = ConnectionLog::kFiles + 2;
    for (int round = 0; round < rounds; ++round) {
        if (round > 0)
            std::filesystem::resize_file(file, ConnectionLog::kFileBytes);  // full: the next one rotates
        Connection(log, "COM" + std::to_string(round), {"round " + std::to_string(round)});
    }
    for (int number = 0; number < ConnectionLog::kFiles; ++number) {
        SCOPED_TRACE(number);
        const int round = rounds - 1 - number;
        EXPECT_EQ(
            ReadAll(ConnectionLog::RotatedFile(file, number))
                .rfind(Header("COM" + std::to_string(round)) + "round " + std::to_string(round) + "\n", 0),
            0u);
    }
    EXPECT_FALSE(std::filesystem::exists(ConnectionLog::RotatedFile(file, ConnectionLog::kFiles)));
}

TEST(ConnectionLog, AFileThatCannotBeWrittenLeavesTheTraceInMemoryAndSaysSoOnce)
{
    QTemporaryDir dir;
    const std::filesystem::path blocker = std::filesystem::path(dir.path().toStdString()) / "blocker";
    std::ofstream(blocker) << "a file, not a folder";
    ConnectionLog log(blocker / "probex.log");
    Connection(log, "COM1", {"     0 ms  opened COM1", "     9 ms  result 0: ok"});
    Connection(log, "COM2", {"     0 ms  opened COM2"});
    // Said once, where the window shows the log.
    EXPECT_EQ(log.Text(), Header("COM1") + "(the log file " + (blocker / "probex.log").string() +
                              " cannot be written: Not a directory; the connections are kept here only)\n"
                              "     0 ms  opened COM1\n     9 ms  result 0: ok\n\n" +
                              Header("COM2") + "     0 ms  opened COM2\n");
    EXPECT_EQ(ReadAll(blocker), "a file, not a folder");
}

// A link planted at the log's name: the trace stays in memory, what the link leads to untouched.
TEST(ConnectionLog, NeverAppendsThroughALinkAtItsName)
{
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    std::ofstream(folder / "elsewhere") << "another user's file";
    std::filesystem::create_symlink(folder / "elsewhere", folder / "link.log");
    ConnectionLog log(folder / "link.log");
    Connection(log, "COM1", {"     0 ms  opened COM1"});
    EXPECT_EQ(log.Text(), Header("COM1") + "(the log file " + (folder / "link.log").string() +
                              " cannot be written: a symbolic link, which is not followed; the "
                              "connections are kept here only)\n     0 ms  opened COM1\n");
    EXPECT_EQ(ReadAll(folder / "elsewhere"), "another user's file");
}

}  // namespace
