// SPDX-License-Identifier: GPL-3.0-or-later
// probex-cli's safe writing against the simulator: verify, compare, changed-only, the account of
// a write that did not finish, and stopping by signal (the program itself, as a process).
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/LineControl.h"
#include "tests/support/TempPortMap.h"
#include "tests/support/ZaqFrames.h"
#include "tests/tools/CliSimulatorFixture.h"
#include "tools/probex-cli/CliRunner.h"
#include "tools/probex-cli/StopSignals.h"
#include "tools/zaq-sim/Simulator.h"

namespace {

namespace fs = std::filesystem;
using clitest::Image;
using clitest::ReadImage;
using clitest::ReadText;
using testsupport::Bytes;
using testsupport::IsReadFrame;
using testsupport::IsWriteFrame;
using testsupport::kStopFrame;

void WriteImage(const fs::path& path, const Image& image)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), image.size());
}

class ProbexCliSafeWrite : public clitest::CliSimulatorFixture {
protected:
    void SetUp() override
    {
        CliSimulatorFixture::SetUp();
        file_ = folder_ / "dump.bin";
    }

    int Run(const std::vector<std::string>& args)
    {
        sim_->Log().Clear();
        return CliSimulatorFixture::Run(args);
    }

    std::vector<Bytes> Requests(bool (*kind)(const Bytes&)) const
    {
        std::vector<Bytes> frames;
        for (const zaqsim::WireFrame& frame : sim_->Log().Frames()) {
            if (frame.kind == zaqsim::FrameKind::Request && kind(frame.bytes))
                frames.push_back(frame.bytes);
        }
        return frames;
    }

    std::vector<Bytes> LastFrames(std::size_t n) const
    {
        std::vector<Bytes> frames;
        for (const zaqsim::WireFrame& frame : sim_->Log().Frames()) {
            if (frame.kind != zaqsim::FrameKind::Pulse)
                frames.push_back(frame.bytes);
        }
        return {frames.end() - std::ptrdiff_t(std::min(n, frames.size())), frames.end()};
    }

    fs::path file_;
};

TEST_F(ProbexCliSafeWrite, VerifyCatchesADeviceThatIgnoresWritesAndNamesEachDifference)
{
    zaqsim::SimOptions ignoring;
    ignoring.ignoreWrites = true;
    StartSimulator(ignoring);
    Image image = device_;
    image[0x10] = 0xAB;
    image[0x12] = 0x00;  // 0x11 keeps the device's value: written, read back equal
    WriteImage(file_, image);
    EXPECT_EQ(Run({"write", "--port", "COM4", "--no-backup", "--range", "10-12", file_.string()}),
              probexcli::kExitDifferences);
    EXPECT_EQ(err_.str(), "0x10: wrote AB, read EF\n0x12: wrote 00, read ED\n");
    // Read back in the same connection, after the writes and before the stop frame.
    EXPECT_EQ(Requests(IsWriteFrame).size(), 12u);
    EXPECT_EQ(Requests(IsReadFrame).size(), 3u);
    const auto tail = LastFrames(3);
    EXPECT_TRUE(IsReadFrame(tail[0]) && tail[0][6] == 0x12);
    EXPECT_EQ(tail[1], kStopFrame);

    // Without verify nothing is read back and the ignored write passes for a good one.
    EXPECT_EQ(
        Run({"write", "--port", "COM4", "--no-backup", "--range", "10-12", "--no-verify", file_.string()}),
        0);
    EXPECT_TRUE(Requests(IsReadFrame).empty());
    EXPECT_TRUE(err_.str().empty());
}

TEST_F(ProbexCliSafeWrite, VerifiedWriteOfAGoodDeviceSucceedsQuietly)
{
    Image image;
    for (int i = 0; i < 256; ++i)
        image[i] = std::uint8_t(i);
    WriteImage(file_, image);
    EXPECT_EQ(Run({"write", "--port", "COM4", "--no-backup", file_.string()}), 0) << err_.str();
    EXPECT_TRUE(err_.str().empty());
    EXPECT_EQ(sim_->Eeprom().Bytes(), image);
    EXPECT_EQ(Requests(IsReadFrame).size(), 256u);
}

TEST_F(ProbexCliSafeWrite, CompareListsExactlyTheDifferingAddressesAndChangesNothing)
{
    Image image = device_;
    image[0x10] ^= 0xFF;
    image[0x11] ^= 0x01;
    image[0x7F] = 0x00;
    WriteImage(file_, image);
    const auto modified = fs::last_write_time(file_);
    EXPECT_EQ(Run({"compare", "--port", "COM4", file_.string()}), probexcli::kExitDifferences) << err_.str();
    EXPECT_EQ(out_.str(), "MB: 0A1 B2C 3D 4E 2211 4433\n3 bytes differ: 10, 11, 7F\n");
    EXPECT_EQ(ReadImage(file_), image);
    EXPECT_EQ(fs::last_write_time(file_), modified);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
    EXPECT_EQ(sim_->Eeprom().Bytes(), device_);
    EXPECT_TRUE(Requests(IsWriteFrame).empty());
    EXPECT_EQ(Requests(IsReadFrame).size(), 256u);

    EXPECT_EQ(Run({"compare", "--port", "COM4", "--range", "11-7E", file_.string()}), 8);
    EXPECT_EQ(out_.str(), "MB: 0A1 B2C 3D 4E 2211 4433\n1 byte differs: 11\n");
    EXPECT_EQ(Run({"compare", "--port", "COM4", "--range", "12-7E", file_.string()}), 0);
    EXPECT_EQ(out_.str(), "MB: 0A1 B2C 3D 4E 2211 4433\nNo byte differs (109 compared)\n");

    // A compare needs a whole dump to compare with.
    EXPECT_EQ(Run({"compare", "--port", "COM4", (folder_ / "missing.bin").string()}), probexcli::kExitFile);
    EXPECT_FALSE(fs::exists(folder_ / "missing.bin"));
}

TEST_F(ProbexCliSafeWrite, ChangedOnlyWritesOnlyTheChangedBytesAndSaysHowMany)
{
    Image image = device_;
    image[0x20] = 0x01;
    image[0xC3] = 0x02;
    WriteImage(file_, image);
    EXPECT_EQ(Run({"write", "--port", "COM4", "--changed-only", file_.string()}), 0) << err_.str();
    const auto writes = Requests(IsWriteFrame);
    ASSERT_EQ(writes.size(), 8u);
    EXPECT_EQ(writes[1][7], 0x20);  // step 2 carries the address
    EXPECT_EQ(writes[5][7], 0xC3);
    // The whole range read first, then the two written bytes read back.
    EXPECT_EQ(Requests(IsReadFrame).size(), 256u + 2u);
    EXPECT_EQ(sim_->Eeprom().Bytes(), image);
    EXPECT_NE(out_.str().find("Wrote 2 of 256 bytes"), std::string::npos) << out_.str();

    // Nothing left to change: nothing written.
    EXPECT_EQ(Run({"write", "--port", "COM4", "--changed-only", "--range", "00-3F", file_.string()}), 0);
    EXPECT_TRUE(Requests(IsWriteFrame).empty());
    EXPECT_NE(out_.str().find("Wrote 0 of 64 bytes"), std::string::npos) << out_.str();
}

TEST_F(ProbexCliSafeWrite, FailedWriteSaysWhichAddressesWereWritten)
{
    zaqsim::SimOptions failing;
    // Answers: start, ID, four per byte: the second step of the third byte comes back wrong.
    failing.badChecksumAnswer = 2 + 4 * 2 + 2;
    StartSimulator(failing);
    Image image{};
    WriteImage(file_, image);
    EXPECT_EQ(Run({"write", "--port", "COM4", "--no-backup", "--range", "40-47", file_.string()}), 4);
    EXPECT_EQ(err_.str(),
              "Receive check sum error\nThe answer in step 2 of 4 of the write of 0x42 had a wrong "
              "checksum.\nBytes 40 - 41 were written, 42 - 47 were not.\n");

    // The answer to the fourth step of 41 comes back wrong, after the device took the byte: the
    // account must not claim it was not written.
    failing.badChecksumAnswer = 2 + 4 * 2;
    StartSimulator(failing);
    EXPECT_EQ(Run({"write", "--port", "COM4", "--no-backup", "--range", "40-47", file_.string()}), 4);
    EXPECT_EQ(
        err_.str(),
        "Receive check sum error\nThe answer in step 4 of 4 of the write of 0x41 had a wrong checksum.\n"
        "Bytes 40 were written, 42 - 47 were not. Byte 41 may or may not have been written.\n");
    EXPECT_EQ(sim_->Eeprom().Get(0x41), 0x00);  // it was

    // The identification fails: nothing was written.
    zaqsim::SimOptions silent;
    silent.silentFromFrame = 2;
    StartSimulator(silent);
    EXPECT_EQ(Run({"write", "--port", "COM4", "--timeout", "1", file_.string()}), 2);
    EXPECT_EQ(err_.str(),
              "Device answer timeout\nWaited 1.0 s for byte 1 of the answer in the identification; it "
              "did not come.\nNo byte was written.\n");
}

TEST_F(ProbexCliSafeWrite, WriteOptionsGoWithWriteOnlyAndHelpListsEveryStatus)
{
    WriteImage(file_, device_);
    EXPECT_EQ(Run({"read", "--port", "COM4", "--no-verify", file_.string()}), probexcli::kExitUsage);
    EXPECT_NE(err_.str().find("--no-verify goes with write only"), std::string::npos) << err_.str();
    EXPECT_EQ(Run({"compare", "--port", "COM4", "--changed-only", file_.string()}), probexcli::kExitUsage);
    EXPECT_EQ(Run({"compare", "--port", "COM4"}), probexcli::kExitUsage);
    EXPECT_EQ(sim_->Log().ClientByteCount(), 0u);

    EXPECT_EQ(Run({"--help"}), 0);
    for (const char* part : {"probex-cli compare", "--no-verify", "--changed-only", "SIGINT",
                             "  7   Stopped; the device connection was closed cleanly\n", "  8   ", "  130 "})
        EXPECT_NE(out_.str().find(part), std::string::npos) << part;
}

// The program as a process, stopped by a signal while it works.
class ProbexCliSignal : public ProbexCliSafeWrite {
protected:
    // Runs the program with stderr to a file and stdout to `out` (/dev/null when -1).
    pid_t Spawn(const std::vector<std::string>& args, int out = -1)
    {
        errPath_ = folder_ / "stderr.txt";
        const pid_t pid = fork();
        if (pid == 0) {
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);  // SIGQUIT's default action dumps core
            const int err = open(errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(err, STDERR_FILENO);
            dup2(out >= 0 ? out : open("/dev/null", O_WRONLY), STDOUT_FILENO);
            std::vector<char*> argv{const_cast<char*>(PROBEX_CLI_PATH)};
            for (const std::string& arg : args)
                argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execv(PROBEX_CLI_PATH, argv.data());
            _exit(127);
        }
        return pid;
    }

    // Waits until the device has received `count` request frames of the kind.
    bool WaitForRequests(bool (*kind)(const Bytes&), std::size_t count) const
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (Requests(kind).size() < count) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    // Waits until the process has taken the signal: it no longer waits in its pending set. Two
    // signals of a kind sent before the first is taken would arrive as one.
    static bool WaitUntilTaken(pid_t pid, int signal)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        const unsigned long long bit = 1ull << (signal - 1);
        for (;;) {
            std::ifstream status("/proc/" + std::to_string(pid) + "/status");
            std::string line;
            bool pending = false;
            while (std::getline(status, line)) {
                if (line.rfind("ShdPnd:", 0) == 0 || line.rfind("SigPnd:", 0) == 0)
                    pending = pending || (std::stoull(line.substr(7), nullptr, 16) & bit) != 0;
            }
            if (!pending)
                return true;
            if (std::chrono::steady_clock::now() > end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    int Exit(pid_t pid) const
    {
        int status = -1;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // The port's speed and parity as they are now, seen from its own side.
    std::pair<std::uint32_t, bool> LineNow() const
    {
        const int fd = open(sim_->SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        platform::line::LineSettings line;
        EXPECT_EQ(platform::line::ReadLineSettings(fd, line), 0);
        close(fd);
        return {line.outputSpeed, line.markSpaceParity};
    }

    fs::path errPath_;
};

// Each stop signal: sent mid-write, or twice.
class ProbexCliStopSignal : public ProbexCliSignal, public ::testing::WithParamInterface<int> {};

TEST_P(ProbexCliStopSignal, MidWriteClosesTheConnectionRestoresTheLineExits130AndReportsTheSplit)
{
    zaqsim::SimOptions slow;
    slow.byteTiming = true;
    StartSimulator(slow);
    const auto lineBefore = LineNow();
    Image image;
    for (int i = 0; i < 256; ++i)
        image[i] = std::uint8_t(i);
    WriteImage(file_, image);
    sim_->Log().Clear();
    const pid_t pid = Spawn({"write", "--port", "COM4", file_.string()});
    ASSERT_TRUE(WaitForRequests(IsWriteFrame, 4 * 3 + 1));
    kill(pid, GetParam());
    EXPECT_EQ(Exit(pid), probexcli::kExitSignal);

    const auto writes = Requests(IsWriteFrame);
    ASSERT_EQ(writes.size() % 4, 0u) << "a byte's write was cut between its steps";
    const std::size_t written = writes.size() / 4;
    ASSERT_LT(written, 256u);
    const auto tail = LastFrames(2);
    EXPECT_EQ(tail[0], kStopFrame);
    EXPECT_EQ(zaqsim::FramesOf(sim_->Log().Frames(), zaqsim::FrameKind::Trailer).size(), 1u);
    char split[96];
    std::snprintf(split, sizeof split, "Bytes 00 - %02zX were written, %02zX - FF were not.\n", written - 1,
                  written);
    EXPECT_NE(ReadText(errPath_).find(split), std::string::npos) << ReadText(errPath_);
    EXPECT_EQ(ReadImage(file_), image);
    for (std::size_t a = 0; a < 256; ++a)
        EXPECT_EQ(sim_->Eeprom().Get(std::uint8_t(a)), a < written ? image[a] : device_[a]) << a;
    EXPECT_EQ(LineNow(), lineBefore);
}

TEST_P(ProbexCliStopSignal, SecondSignalEndsTheProgramAtOnceWithThePortsSettingsBack)
{
    zaqsim::SimOptions slow;
    slow.responseDelayMs = 400;  // the first signal's clean close takes long
    StartSimulator(slow);
    const auto lineBefore = LineNow();
    WriteImage(file_, Image{});
    sim_->Log().Clear();
    // No backup: at this pace its reading would take minutes before the first write frame.
    const pid_t pid = Spawn({"write", "--port", "COM4", "--no-backup", file_.string()});
    ASSERT_TRUE(WaitForRequests(IsWriteFrame, 1));
    kill(pid, GetParam());
    ASSERT_TRUE(WaitUntilTaken(pid, GetParam()));
    kill(pid, GetParam());
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), GetParam());
    EXPECT_EQ(LineNow(), lineBefore);
}

INSTANTIATE_TEST_SUITE_P(Signals, ProbexCliStopSignal, ::testing::Values(SIGINT, SIGTERM, SIGHUP, SIGQUIT),
                         [](const ::testing::TestParamInfo<int>& signal) {
                             return std::string(sigabbrev_np(signal.param));
                         });

TEST_F(ProbexCliSignal, ReaderThatWentAwayDoesNotCutTheConnection)
{
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    close(pipeFds[0]);  // `| head -c0`: nobody reads the ID text
    sim_->Log().Clear();
    const pid_t pid = Spawn({"read", "--port", "COM4", "--range", "00-03", file_.string()}, pipeFds[1]);
    close(pipeFds[1]);
    EXPECT_EQ(Exit(pid), probexcli::kExitOutput);
    EXPECT_NE(ReadText(errPath_).find("the ID text could not be written"), std::string::npos)
        << ReadText(errPath_);
    EXPECT_EQ(Requests(IsReadFrame).size(), 4u);
    EXPECT_EQ(LastFrames(2)[0], kStopFrame);
    EXPECT_EQ(zaqsim::FramesOf(sim_->Log().Frames(), zaqsim::FrameKind::Trailer).size(), 1u);
}

TEST_F(ProbexCliSignal, SigtermMidReadLeavesTheFileAsItWas)
{
    zaqsim::SimOptions slow;
    slow.byteTiming = true;
    StartSimulator(slow);
    Image before;
    before.fill(0x33);
    WriteImage(file_, before);
    sim_->Log().Clear();
    const pid_t pid = Spawn({"read", "--port", "COM4", file_.string()});
    ASSERT_TRUE(WaitForRequests(IsReadFrame, 3));
    kill(pid, SIGTERM);
    EXPECT_EQ(Exit(pid), probexcli::kExitSignal);
    EXPECT_EQ(ReadImage(file_), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);  // dump, stderr
    EXPECT_EQ(LastFrames(2)[0], kStopFrame);
}

}  // namespace
