// SPDX-License-Identifier: GPL-3.0-or-later
// probex-cli in-process against the simulator (shortened engine timing), plus the program
// itself for its wiring.
#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "device/DeviceZaqTypes.h"
#include "operation/DeviceResultText.h"
#include "res/StringTable.h"
#include "res/TextCatalog.h"
#include "tests/support/RecordingMessageTarget.h"
#include "tests/support/ScopedFilePermissions.h"
#include "tests/support/TempPortMap.h"
#include "tests/tools/CliSimulatorFixture.h"
#include "tools/probex-cli/CliRunner.h"
#include "tools/zaq-sim/Simulator.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using clitest::Image;
using clitest::ReadImage;
using clitest::ReadText;

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ImageText(const Image& image)
{
    return std::string(image.begin(), image.end());
}

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

std::size_t FilesIn(const fs::path& folder)
{
    return std::size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

class ProbexCli : public clitest::CliSimulatorFixture {
protected:
    std::size_t FilesInFolder() const { return FilesIn(folder_); }
};

TEST_F(ProbexCli, IdPrintsTheIdText)
{
    EXPECT_EQ(Run({"id", "--port", "COM4", "--last"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), "MB: 0A1 B2C 3D 4E 2211 4433\n");
    const auto trailers = zaqsim::FramesOf(sim_->Log().Frames(), zaqsim::FrameKind::Trailer);
    ASSERT_EQ(trailers.size(), 1u);
    EXPECT_EQ(trailers[0].bytes.back(), 0x01);
}

TEST_F(ProbexCli, ReadOfARangeKeepsTheRestOfAnExistingFile)
{
    const fs::path file = folder_ / "dump.bin";
    Image before;
    before.fill(0x11);
    WriteFile(file, ImageText(before));
    // Another name of the old file, as a reader that has it open sees it: replaced whole, the
    // old file stays as it was; written over in place, a failure part-way would leave it cut.
    fs::create_hard_link(file, folder_ / "reader");
    progress_ = true;
    EXPECT_EQ(Run({"read", "--port", "COM4", "--range", "1e-20", file.string()}), 0) << err_.str();
    EXPECT_EQ(ReadImage(folder_ / "reader"), before);
    fs::remove(folder_ / "reader");
    const Image after = ReadImage(file);
    for (int i = 0; i < 256; ++i) {
        const bool inRange = i >= 0x1E && i <= 0x20;
        EXPECT_EQ(after[i], inRange ? device_[i] : 0x11) << i;
    }
    EXPECT_NE(err_.str().find("33% complete"), std::string::npos) << err_.str();
    EXPECT_NE(err_.str().find("100% complete"), std::string::npos);
    EXPECT_EQ(out_.str(), "MB: 0A1 B2C 3D 4E 2211 4433\n");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(ProbexCli, ReplacedFileKeepsItsPermissions)
{
    const fs::path file = folder_ / "dump.bin";
    WriteFile(file, std::string(256, '\0'));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Run({"read", "--port", "COM4", "--range", "00-00", file.string()}), 0) << err_.str();
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(ReadImage(file)[0], device_[0]);
}

TEST_F(ProbexCli, ReadIntoAMissingFileStartsFromZeros)
{
    const fs::path file = folder_ / "new.bin";
    EXPECT_EQ(Run({"read", "--port", "COM4", "--range", "FE-FF", file.string()}), 0) << err_.str();
    ASSERT_EQ(fs::file_size(file), 256u);
    const Image after = ReadImage(file);
    EXPECT_EQ(after[0xFD], 0);
    EXPECT_EQ(after[0xFE], device_[0xFE]);
    EXPECT_EQ(after[0xFF], device_[0xFF]);
    EXPECT_TRUE(err_.str().empty());  // no progress when not asked for
}

TEST_F(ProbexCli, FailedReadLeavesTheFileAsItWas)
{
    zaqsim::SimOptions options;
    options.silentFromFrame = 5;  // two bytes read, the third never answered
    StartSimulator(options);
    const fs::path file = folder_ / "dump.bin";
    WriteFile(file, std::string(256, 'x'));
    EXPECT_EQ(Run({"read", "--port", "COM4", "--timeout", "1", file.string()}), 2);
    EXPECT_EQ(FirstLine(err_.str()), "Device answer timeout");
    EXPECT_EQ(ImageText(ReadImage(file)), std::string(256, 'x'));
    EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left behind

    const fs::path missing = folder_ / "never.bin";
    EXPECT_EQ(Run({"read", "--port", "COM4", "--timeout", "1", missing.string()}), 2);
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(ProbexCli, WriteSendsTheRangeFromTheFile)
{
    const fs::path file = folder_ / "image.bin";
    Image image;
    for (int i = 0; i < 256; ++i)
        image[i] = std::uint8_t(i);
    WriteFile(file, ImageText(image));
    EXPECT_EQ(Run({"write", "--port", sim_->SlavePath(), "--range", "0-1", file.string()}), 0) << err_.str();
    const Image now = sim_->Eeprom().Bytes();
    EXPECT_EQ(now[0], 0);
    EXPECT_EQ(now[1], 1);
    EXPECT_EQ(now[2], device_[2]);
    EXPECT_EQ(out_.str(), "MB: 0A1 B2C 3D 4E 2211 4433\n");
}

TEST_F(ProbexCli, WriteRefusesFilesThatAreNotExactly256Bytes)
{
    const fs::path file = folder_ / "short.bin";
    WriteFile(file, std::string(255, '\0'));
    EXPECT_EQ(Run({"write", "--port", "COM4", file.string()}), probexcli::kExitFile);
    EXPECT_EQ(err_.str(), "Wrong file size!\n" + file.string() + " holds 255 bytes; a dump holds 256.\n");
    WriteFile(file, std::string(257, '\0'));
    EXPECT_EQ(Run({"write", "--port", "COM4", file.string()}), probexcli::kExitFile);
    EXPECT_EQ(Run({"write", "--port", "COM4", (folder_ / "missing.bin").string()}), probexcli::kExitFile);
    // A read does not overwrite a file that is not a dump either.
    EXPECT_EQ(Run({"read", "--port", "COM4", file.string()}), probexcli::kExitFile);
    EXPECT_EQ(fs::file_size(file), 257u);
    EXPECT_EQ(sim_->Log().ClientByteCount(), 0u);  // the device was never woken
}

TEST_F(ProbexCli, DiffListsTheAddressesAtWhichTwoDumpsDifferWithoutTheDevice)
{
    const fs::path dump = folder_ / "dump.bin";
    const fs::path backup = folder_ / "backup.bin";
    std::string bytes(256, '\x11');
    WriteFile(dump, bytes);
    bytes[0x10] = 0;
    bytes[0x7F] = 0;
    WriteFile(backup, bytes);
    EXPECT_EQ(Run({"diff", dump.string(), backup.string()}), probexcli::kExitDifferences) << err_.str();
    EXPECT_EQ(out_.str(), "2 bytes differ: 10, 7F\n");
    EXPECT_EQ(Run({"diff", dump.string(), dump.string()}), 0) << err_.str();
    EXPECT_EQ(out_.str(), "No byte differs (256 compared)\n");

    const fs::path cut = folder_ / "cut.bin";
    WriteFile(cut, bytes.substr(0, 200));
    EXPECT_EQ(Run({"diff", dump.string(), cut.string()}), probexcli::kExitFile);
    EXPECT_EQ(Run({"diff", (folder_ / "missing.bin").string(), dump.string()}), probexcli::kExitFile);
    EXPECT_NE(err_.str().find("missing.bin"), std::string::npos) << err_.str();
    EXPECT_TRUE(out_.str().empty());
    EXPECT_EQ(sim_->Log().ClientByteCount(), 0u);
}

// FILE is checked before the device is touched: a FIFO, a folder that takes no new file, a file
// that cannot be written (read) or read (write) are refused at once, each with a message naming
// the path as given and the reason.
TEST_F(ProbexCli, FileThatCannotServeIsRefusedBeforeTheDevice)
{
    const fs::path fifo = folder_ / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const char* command : {"read", "write"}) {
        auto run = std::async(std::launch::async, [&] {
            return Run({command, "--port", "COM4", fifo.string()});
        });
        const bool atOnce = run.wait_for(2s) == std::future_status::ready;
        if (!atOnce)
            close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));  // frees a reader stuck in open()
        EXPECT_TRUE(atOnce) << command;
        EXPECT_EQ(run.get(), probexcli::kExitFile) << command;
        EXPECT_EQ(err_.str(), "probex-cli: " + fifo.string() + ": not a regular file\n");
    }
    // A name never reaches the terminal with its control characters.
    EXPECT_EQ(Run({"write", "--port", "COM4", (folder_ / "\x1b[2Jgone").string()}), probexcli::kExitFile);
    EXPECT_EQ(err_.str(), "probex-cli: cannot read " + folder_.string() +
                              "/\\x1B[2Jgone: " + std::strerror(ENOENT) + "\n");

    const fs::path locked = folder_ / "locked";
    fs::create_directories(locked);
    WriteFile(locked / "dump.bin", std::string(256, 'x'));
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    const fs::path readOnly = folder_ / "read-only.bin";
    WriteFile(readOnly, std::string(256, 'r'));
    fs::permissions(readOnly, fs::perms::owner_read);
    const fs::path writeOnly = folder_ / "write-only.bin";
    WriteFile(writeOnly, std::string(256, 'w'));
    fs::permissions(writeOnly, fs::perms::owner_write);
    const std::string denied = std::strerror(EACCES);
    const std::string noNewFile = ": no new file can be made in " + locked.string() + ": " + denied + "\n";
    struct Case {
        std::string command;
        fs::path file;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"read", locked / "dump.bin",
         "probex-cli: cannot write " + (locked / "dump.bin").string() + noNewFile},
        {"read", locked / "new.bin", "probex-cli: cannot write " + (locked / "new.bin").string() + noNewFile},
        {"read", readOnly, "probex-cli: cannot write " + readOnly.string() + ": " + denied + "\n"},
        {"write", writeOnly, "probex-cli: cannot read " + writeOnly.string() + ": " + denied + "\n"},
    };
    {
        ScopedFilePermissions binding;  // root, as in CI, is bound by permissions too
        for (const Case& c : cases) {
            EXPECT_EQ(Run({c.command, "--port", "COM4", c.file.string()}), probexcli::kExitFile) << c.file;
            EXPECT_EQ(err_.str(), c.message);
        }
    }
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(FilesIn(locked), 1u);
    EXPECT_EQ(ReadText(locked / "dump.bin"), std::string(256, 'x'));
    EXPECT_EQ(ReadText(readOnly), std::string(256, 'r'));
    EXPECT_EQ(sim_->Log().ClientByteCount(), 0u);  // the device was never woken
}

// A symbolic link is followed: the file it leads to gets the data and the link stays (a dangling
// link gets its file made). Names up to the system's limit work; no temporary file is left.
TEST_F(ProbexCli, LinksAndLongNamesReachTheirFile)
{
    const std::string longest(NAME_MAX, 'n');
    const fs::path targets = folder_ / "targets";
    fs::create_directories(targets);
    WriteFile(targets / longest, std::string(256, 'x'));
    fs::permissions(targets / longest,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path link = folder_ / "link.bin";
    fs::create_symlink(fs::path("targets") / longest, link);
    EXPECT_EQ(Run({"read", "--port", "COM4", "--range", "00-01", link.string()}), 0) << err_.str();
    EXPECT_EQ(fs::read_symlink(link), fs::path("targets") / longest);
    const Image after = ReadImage(targets / longest);
    EXPECT_EQ(after[0], device_[0]);
    EXPECT_EQ(after[1], device_[1]);
    EXPECT_EQ(after[2], 'x');
    EXPECT_EQ(fs::status(targets / longest).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const fs::path dangling = folder_ / "dangling.bin";
    fs::create_symlink(targets / "new.bin", dangling);
    EXPECT_EQ(Run({"read", "--port", "COM4", "--range", "FF-FF", dangling.string()}), 0) << err_.str();
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadImage(targets / "new.bin")[0xFF], device_[0xFF]);
    EXPECT_EQ(FilesIn(targets), 2u);

    const fs::path named = folder_ / std::string(NAME_MAX, 'a');
    EXPECT_EQ(Run({"read", "--port", "COM4", "--range", "00-00", named.string()}), 0) << err_.str();
    EXPECT_EQ(Run({"write", "--port", "COM4", "--range", "10-10", named.string()}), 0) << err_.str();
    EXPECT_EQ(sim_->Eeprom().Bytes()[0x10], 0);  // written from the file made by the read
    EXPECT_EQ(FilesInFolder(), 4u);              // targets, two links, the long name
}

TEST_F(ProbexCli, DeviceFailuresExitWithTheirResultAndMessage)
{
    EXPECT_EQ(Run({"id", "--port", "COM8"}), 1);
    // Beside the described message: the port, why it did not open and what to do.
    EXPECT_EQ(err_.str().rfind("Unable to open COM-port\nCOM8: no such port: the port map " +
                                   portMap_.PortsFolder() + " has no COM8;",
                               0),
              0u)
        << err_.str();

    zaqsim::SimOptions noAdapter;
    noAdapter.noEcho = true;
    StartSimulator(noAdapter);
    EXPECT_EQ(Run({"id", "--port", "COM4"}), 3);
    // Under each message, what happened where, as the window says it.
    EXPECT_EQ(err_.str(), "K-line adapter not present or power off or invalid COM port\nWaited 1.0 s for the "
                          "echo of the wake-up pulse 1; it did not come. Nothing was echoed in this "
                          "connection.\n");

    zaqsim::SimOptions badChecksum;
    badChecksum.badChecksumAnswer = 2;
    StartSimulator(badChecksum);
    EXPECT_EQ(Run({"id", "--port", "COM4"}), 4);
    EXPECT_EQ(FirstLine(err_.str()), "Receive check sum error");
    EXPECT_TRUE(out_.str().empty());

    zaqsim::SimOptions refusing;
    refusing.refuseAnswer = 3;  // the first read
    StartSimulator(refusing);
    const fs::path file = folder_ / "refused.bin";
    EXPECT_EQ(Run({"read", "--port", "COM4", "--range", "10-11", file.string()}), 5);
    EXPECT_EQ(FirstLine(err_.str()), "Device refused the request (code 22)");
    EXPECT_FALSE(fs::exists(file));

    zaqsim::SimOptions changedEcho;
    changedEcho.corruptEcho = 1;  // the first wake-up pulse
    StartSimulator(changedEcho);
    EXPECT_EQ(Run({"id", "--port", "COM4"}), 6);
    EXPECT_EQ(FirstLine(err_.str()), "K-line error: a sent byte came back changed");

    zaqsim::SimOptions shortAnswer;
    shortAnswer.shortAnswer = 3;  // the first read: its service byte only
    StartSimulator(shortAnswer);
    EXPECT_EQ(Run({"read", "--port", "COM4", "--range", "10-11", file.string()}), 9);
    EXPECT_EQ(FirstLine(err_.str()), "Device answer too short");
    EXPECT_FALSE(fs::exists(file));

    zaqsim::SimOptions otherAddress;
    otherAddress.otherAddressAnswer = 3;  // the first read is answered for the next address
    StartSimulator(otherAddress);
    EXPECT_EQ(Run({"read", "--port", "COM4", "--range", "10-11", file.string()}), 11);
    EXPECT_EQ(FirstLine(err_.str()), "Device answered another request");
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(ProbexCli, TraceGoesToItsFileOrToStderr)
{
    const fs::path trace = folder_ / "trace.txt";
    EXPECT_EQ(Run({"id", "--port", "COM4", "--trace", trace.string()}), 0);
    std::ifstream in(trace);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_TRUE(
        std::regex_search(text.str(), std::regex("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d [+-]\\d{4}  "
                                                 "read ID  port COM4 \\(/.+\\)\n")))
        << text.str();
    EXPECT_NE(text.str().find("sent 00, echo 00\n"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("result 0: ok\n"), std::string::npos) << text.str();
    EXPECT_TRUE(err_.str().empty());

    zaqsim::SimOptions noAdapter;
    noAdapter.noEcho = true;
    StartSimulator(noAdapter);
    EXPECT_EQ(Run({"id", "--port", "COM4", "--trace", "-"}), 3);
    EXPECT_NE(err_.str().find("result 3: no echo for wake-up pulse 1\n"), std::string::npos) << err_.str();

    EXPECT_EQ(Run({"id", "--port", "COM4", "--trace", (folder_ / "missing" / "t.txt").string()}), 65);
    const fs::path dump = folder_ / "dump.bin";
    WriteFile(dump, std::string(256, 'd'));
    EXPECT_EQ(Run({"--trace", dump.string(), "write", "--port", "COM4", dump.string()}), 65);
    EXPECT_EQ(err_.str(), "probex-cli: cannot write the trace to " + dump.string() + ": it is FILE\n");
    EXPECT_EQ(ReadText(dump), std::string(256, 'd'));
    EXPECT_EQ(sim_->Log().ClientByteCount(), 1u) << "the device is not touched for an unwritable trace";
}

TEST_F(ProbexCli, FramesSendEachRequestFrameAtOnceWithTheGapAsked)
{
    const fs::path file = folder_ / "dump.bin";
    EXPECT_EQ(Run({"read", "--port", "COM4", "--range", "10-11", "--frames", "--byte-gap", "1", "--trace",
                   "-", file.string()}),
              0)
        << err_.str();
    EXPECT_EQ(out_.str(), "MB: 0A1 B2C 3D 4E 2211 4433\n");
    EXPECT_NE(err_.str().find("sending whole frames, 1 ms between bytes\n"), std::string::npos) << err_.str();
    EXPECT_NE(err_.str().find("sent 84 21 F3 23 00 81 10 4C apart, echo 84 21 F3 23 00 81 10 4C\n"),
              std::string::npos)
        << err_.str();
}

TEST_F(ProbexCli, UsageErrorsExit64WithoutTouchingTheDevice)
{
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"id", "--port", "COM4", "--timeout", "0"}, "Please enter an integer between 1 and 30."},
        {{"id", "--port", "COM4", "--timeout", "31"}, "Please enter an integer between 1 and 30."},
        {{"id", "--port", "COM4", "--timeout", "ten"}, "Please enter a positive integer."},
        {{"id"}, "--port is required"},
        {{"read", "--port", "COM4"}, "needs exactly one FILE"},
        {{"id", "--port", "COM4", "x.bin"}, "id takes no FILE"},
        {{"read", "--port", "COM4", "--range", "20-10", "x.bin"}, "--range"},
        {{"read", "--port", "COM4", "--range", "0-100", "x.bin"}, "--range"},
        {{"read", "--port", "COM4", "--range", "10", "x.bin"}, "--range"},
        {{"erase", "--port", "COM4"}, "unknown command"},
        {{"id", "--port", "COM4", "--fast"}, "unknown option"},
        {{"id", "--port", "COM4", "--byte-gap", "2"}, "--byte-gap goes with --frames only"},
        {{"id", "--port", "COM4", "--frames", "--byte-gap", "21"}, "--byte-gap takes 0 to 20 milliseconds"},
        {{"id", "--port", "COM4", "--frames", "--byte-gap", "-1"}, "--byte-gap takes 0 to 20 milliseconds"},
        {{"read", "--port", "COM4", "--no-backup", "x.bin"}, "--no-backup goes with write only"},
        {{"backups", "x.bin"}, "backups takes no FILE"},
        {{"backups", "--range", "10-1F"}, "--range goes with read, write and compare only"},
        {{"backups", "--trace", "-"},
         "backups takes --timeout, --trace, --frames and --last only with --port"},
        {{"ports", "--port", "COM4"}, "ports takes no --port"},
        {{"ports", "--timeout", "5"}, "ports takes no --port, --timeout"},
        {{"check", "--port", "COM4", "--range", "10-1F"}, "--range goes with read, write and compare only"},
        {{"check", "--port", "COM4", "--trace", "-"},
         "check takes --timeout, --trace, --frames and --last only with --wake"},
        {{"id", "--port", "COM4", "--wake"}, "--wake goes with check only"},
        {{"id", "--port", "COM4", "--port", "COM5"}, "--port is given more than once"},
        {{"check"}, "--port is required"},
        {{"check", "--port", "COM4", "x.bin"}, "check takes no FILE"},
        {{"diff", "x.bin"}, "diff needs exactly two files, FILE1 and FILE2"},
        {{"diff", "--port", "COM4", "x.bin", "y.bin"}, "diff takes no options"},
        {{}, "no command"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.args), probexcli::kExitUsage) << c.message;
        EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
    }
    EXPECT_EQ(sim_->Log().ClientByteCount(), 0u);
}

TEST_F(ProbexCli, HelpDescribesEveryCommandOptionAndStatus)
{
    EXPECT_EQ(Run({"--help"}), 0);
    for (const std::string command : {"id", "read", "write", "ports", "check", "backups", "diff"})
        EXPECT_NE(out_.str().find("probex-cli " + command), std::string::npos) << command;
    for (const char* part : {"--port", "--timeout", "--frames", "--byte-gap", "--last", "--range", "--trace",
                             "--wake", "--no-backup", "Wrong", "64", "65", "Receive check sum error"})
        EXPECT_NE(out_.str().find(part), std::string::npos) << part;
    // Each exit status stands beside the window application's text for it.
    for (const std::uint16_t result :
         {device::ResultPortError, device::ResultAnswerTimeout, device::ResultNoAdapter,
          device::ResultChecksumError, device::ResultLineError}) {
        const std::string line = "  " + std::to_string(result) + "   " +
                                 res::LoadString(operation::DeviceResultMessage(result)) + "\n";
        EXPECT_NE(out_.str().find(line), std::string::npos) << line;
    }
    EXPECT_NE(out_.str().find("  11  Device answered another request\n"), std::string::npos);
    EXPECT_NE(out_.str().find("  5   Device refused the request (code XX)\n"), std::string::npos);
}

TEST(ProbexCliProgram, ExitStatusReachesTheShell)
{
    const std::string program = PROBEX_CLI_PATH;
    EXPECT_EQ(WEXITSTATUS(std::system((program + " --help >/dev/null").c_str())), 0);
    EXPECT_EQ(WEXITSTATUS(std::system((program + " id 2>/dev/null").c_str())), 64);
}

// What a shell command writes on its standard output.
std::string CommandOutput(const std::string& command)
{
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 256> buffer{};
        while (const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), pipe))
            text.append(buffer.data(), count);
        pclose(pipe);
    }
    return text;
}

// The locale chooses the language of what the program says, not its exit status.
TEST(ProbexCliProgram, SpeaksRussianUnderARussianLocale)
{
    const std::string command =
        "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=ru_RU.UTF-8 " + std::string(PROBEX_CLI_PATH);
    const std::string said = CommandOutput(command + " 2>&1");
    EXPECT_EQ(said.find("no command given"), std::string::npos) << said;
    EXPECT_NE(said.find(*res::CatalogText("ru", res::LoadUntranslatedString(res::IDS_CLI_NO_COMMAND))),
              std::string::npos)
        << said;
    EXPECT_EQ(WEXITSTATUS(std::system((command + " 2>/dev/null").c_str())), 64);
}

// The program through a shell: descriptors closed at start stay taken, so the port never becomes
// standard output. The wire carries the protocol bytes only, the exit status is the device's,
// and stderr tells that the ID text was not shown.
TEST_F(ProbexCli, ClosedStandardDescriptorsKeepTheIdOffTheLine)
{
    ASSERT_EQ(Run({"id", "--port", "COM4"}), 0);
    const std::vector<std::uint8_t> protocol = sim_->Log().ClientBytes();
    const fs::path errors = folder_ / "stderr.txt";
    for (const std::string& redirections : {">&- 2>" + errors.string(), std::string("<&- >&- 2>&-")}) {
        sim_->Log().Clear();
        const std::string command = std::string(PROBEX_CLI_PATH) + " id --port COM4 " + redirections;
        EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), probexcli::kExitOutput) << redirections;
        EXPECT_EQ(sim_->Log().ClientBytes(), protocol) << redirections;
    }
    EXPECT_EQ(ReadText(errors), "probex-cli: the ID text could not be written to standard output\n");
}

// Both programs as processes: zaq-sim registers itself, serves two clients one after the other
// (each opens and closes the port), and removes its port-map entry when it is stopped.
class ZaqSimProcess {
public:
    explicit ZaqSimProcess(const std::vector<std::string>& args)
    {
        int out[2];
        if (pipe(out) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<char*> argv{const_cast<char*>(ZAQ_SIM_PATH)};
            for (const std::string& arg : args)
                argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execv(ZAQ_SIM_PATH, argv.data());
            _exit(127);
        }
        close(out[1]);
        stdoutFile_ = fdopen(out[0], "r");
    }
    ~ZaqSimProcess()
    {
        Stop();
        if (stdoutFile_)
            fclose(stdoutFile_);
    }
    std::string Line()
    {
        char line[256] = {};
        if (!stdoutFile_ || !fgets(line, sizeof line, stdoutFile_))
            return {};
        std::string text(line);
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        return text;
    }
    int Stop()
    {
        int status = -1;
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, &status, 0);
            pid_ = -1;
        }
        return status;
    }

private:
    pid_t pid_ = -1;
    FILE* stdoutFile_ = nullptr;
};

TEST(ProbexCliProgram, TalksToTheSimulatorProgramAcrossReopenedPorts)
{
    testsupport::TempPortMap portMap;
    const std::string image = portMap.ConfigHome() + "/image.bin";
    const std::string dump = portMap.ConfigHome() + "/dump.bin";
    ZaqSimProcess sim({"--link", "COM2", image});
    const std::string slave = sim.Line();
    EXPECT_EQ(slave.rfind("/dev/pts/", 0), 0u) << slave;
    EXPECT_EQ(sim.Line(), "COM2 -> " + slave);
    EXPECT_EQ(fs::read_symlink(portMap.PortsFolder() + "/COM2"), fs::path(slave));
    EXPECT_EQ(fs::file_size(image), 256u);  // created zeroed

    const std::string cli = std::string(PROBEX_CLI_PATH) + " ";
    EXPECT_EQ(WEXITSTATUS(std::system((cli + "id --port COM2 >/dev/null").c_str())), 0);
    EXPECT_EQ(WEXITSTATUS(std::system((cli + "read --port com2 --range 00-01 " + dump).c_str())), 0);
    EXPECT_EQ(fs::file_size(dump), 256u);

    const int status = sim.Stop();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_FALSE(fs::is_symlink(portMap.PortsFolder() + "/COM2"));
}

}  // namespace
