#include "app/ConnectionLog.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using app::ConnectionLog;

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ConnectionLog, KeepsTheLastConnectionsEachEndingWithItsResult)
{
    ConnectionLog log;
    const auto before = log.Version();
    for (int i = 0; i < 25; ++i) {
        log.TraceLine("     0 ms  opened COM" + std::to_string(i));
        log.TraceLine("    12 ms  result 0: ok");
    }
    EXPECT_GT(log.Version(), before);
    const std::string text = log.Text();
    // The oldest five went; the twenty kept stand apart, in order.
    EXPECT_EQ(text.find("opened COM4\n"), std::string::npos);
    EXPECT_EQ(text.rfind("     0 ms  opened COM5\n    12 ms  result 0: ok\n\n", 0), 0u) << text;
    EXPECT_NE(text.find("opened COM24\n    12 ms  result 0: ok\n"), std::string::npos);

    // A connection still running shows what it has so far, after the finished ones.
    log.TraceLine("     0 ms  opened COM99");
    EXPECT_TRUE(log.Text().ends_with("ok\n\n     0 ms  opened COM99\n")) << log.Text();
}

TEST(ConnectionLog, AppendsToItsFileAndRotatesItPastTheBound)
{
    QTemporaryDir dir;
    const std::filesystem::path file =
        std::filesystem::path(dir.path().toStdString()) / "state" / "probex.log";
    {
        ConnectionLog log(file);
        log.TraceLine("     0 ms  opened COM1");
        log.TraceLine("     9 ms  result 2: answer time-out");
    }
    EXPECT_EQ(ReadAll(file), "     0 ms  opened COM1\n     9 ms  result 2: answer time-out\n\n");

    std::filesystem::resize_file(file, ConnectionLog::kRotateBytes);
    ConnectionLog log(file);
    log.TraceLine("     0 ms  opened COM2");
    std::filesystem::path previous = file;
    previous += ".1";
    EXPECT_EQ(std::filesystem::file_size(previous), ConnectionLog::kRotateBytes);
    EXPECT_EQ(ReadAll(file), "     0 ms  opened COM2\n");
}

TEST(ConnectionLog, DefaultFileFollowsTheStateFolder)
{
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    ::setenv("XDG_STATE_HOME", "/tmp/state-home", 1);
    EXPECT_EQ(ConnectionLog::DefaultFile(), "/tmp/state-home/Velmora/probex.log");
    ::unsetenv("XDG_STATE_HOME");
    ::setenv("HOME", "/tmp/home", 1);
    EXPECT_EQ(ConnectionLog::DefaultFile(), "/tmp/home/.local/state/Velmora/probex.log");
    ::setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace
