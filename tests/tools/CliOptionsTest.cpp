// SPDX-License-Identifier: GPL-3.0-or-later
// probex-cli's command line as it is parsed, before anything runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/probex-cli/CliOptions.h"

namespace {

using probexcli::Command;

struct Accepted {
    std::vector<std::string> args;
    Command command;
    std::string file;
};

TEST(CliOptions, DoubleDashEndsTheOptions)
{
    for (const Accepted& c : {
             Accepted{{"read", "--port", "COM1", "--", "-dump.bin"}, Command::Read, "-dump.bin"},
             Accepted{{"--port", "COM1", "--", "write", "--no-verify"}, Command::Write, "--no-verify"},
             Accepted{{"--port", "COM1", "compare", "--", "--"}, Command::Compare, "--"},
             Accepted{{"--port", "COM1", "--", "id"}, Command::ReadId, ""},
         }) {
        probexcli::CliOptions options;
        std::string error;
        ASSERT_TRUE(probexcli::ParseCliOptions(c.args, options, error)) << c.args.back() << ": " << error;
        EXPECT_EQ(options.command, c.command) << c.args.back();
        EXPECT_EQ(options.file, c.file);
        EXPECT_TRUE(options.verify) << "an option after -- is no option";
    }
}

TEST(CliOptions, OptionsThatDoNotApplyToTheCommandAreRefused)
{
    struct Refused {
        std::vector<std::string> args;
        std::string error;
    };
    for (const Refused& c : {
             Refused{{"id", "--port", "COM1", "--range", "00-0F"},
                     "--range goes with read, write and compare only"},
             Refused{{"read", "--port", "COM1", "--no-verify", "f"}, "--no-verify goes with write only"},
             Refused{{"compare", "--port", "COM1", "--changed-only", "f"},
                     "--changed-only goes with write only"},
             Refused{{"read", "--port", "COM1", "--", "--range", "00-0F"}, "read needs exactly one FILE"},
             Refused{{"id", "--port", "COM1", "--\x1b[2J"}, "unknown option --\\x1B[2J"},
             Refused{{"\x1b]0;x\x07", "--port", "COM1"}, "unknown command \\x1B]0;x\\x07"},
             // A second value would silently win over the first (probex-cli's test: --port).
             Refused{{"read", "--port", "COM1", "--range", "00-0F", "--range", "10-1F", "f"},
                     "--range is given more than once"},
         }) {
        probexcli::CliOptions options;
        std::string error;
        EXPECT_FALSE(probexcli::ParseCliOptions(c.args, options, error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
    for (const char* command : {"read", "write", "compare"}) {
        probexcli::CliOptions options;
        std::string error;
        EXPECT_TRUE(
            probexcli::ParseCliOptions({command, "--port", "COM1", "--range", "10-1F", "f"}, options, error))
            << command << ": " << error;
        EXPECT_EQ(options.first, 0x10u);
    }
}

}  // namespace
