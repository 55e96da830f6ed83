// SPDX-License-Identifier: GPL-3.0-or-later
// probex-cli's backups against the simulator: the path on stderr, --no-backup, a backup that
// cannot be stored (exit 65, nothing written) and the listing, on standard output or failing there.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/support/TempDataHome.h"
#include "tests/tools/CliSimulatorFixture.h"

namespace {

namespace fs = std::filesystem;
using clitest::Image;
using clitest::ReadImage;

class ProbexCliBackup : public clitest::CliSimulatorFixture {
protected:
    testsupport::TempDataHome home_;
};

TEST_F(ProbexCliBackup, WriteBacksUpFirstSaysWhereAndStopsWithoutWritingWhenItCannot)
{
    const fs::path file = folder_ / "dump.bin";
    Image image{};
    image.fill(0x5A);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), image.size());

    // Where the backups go is a file: nothing is written, and the user is told why.
    fs::create_directories(fs::path(home_.BackupsFolder()).parent_path());
    std::ofstream(home_.BackupsFolder()) << "in the way";
    EXPECT_EQ(Run({"write", "--port", "COM4", "--trace", "-", file.string()}), probexcli::kExitFile);
    EXPECT_NE(err_.str().find("Backup not stored: " + home_.BackupsFolder()), std::string::npos)
        << err_.str();
    EXPECT_NE(err_.str().find("Nothing was written: the EEPROM backup could not be stored"),
              std::string::npos);
    EXPECT_NE(err_.str().find("result 10: the backup was not stored, so nothing was written"),
              std::string::npos);
    EXPECT_NE(err_.str().find("; backup first, verified)"), std::string::npos) << "the trace's header";
    EXPECT_EQ(sim_->Eeprom().Bytes(), device_);
    fs::remove(home_.BackupsFolder());

    EXPECT_EQ(Run({"write", "--port", "COM4", file.string()}), 0) << err_.str();
    const std::string err = err_.str();
    ASSERT_EQ(err.rfind("Backup: ", 0), 0u) << err;
    const std::string path = err.substr(8, err.find('\n') - 8);
    EXPECT_EQ(ReadImage(path), device_);
    EXPECT_EQ(sim_->Eeprom().Bytes(), image);

    EXPECT_EQ(Run({"write", "--port", "COM4", "--no-backup", "--trace", "-", file.string()}), 0);
    EXPECT_EQ(err_.str().find("Backup"), std::string::npos) << err_.str();
    EXPECT_EQ(err_.str().find("backup"), std::string::npos) << "nor in the trace: " << err_.str();

    // Listed by all, and by the device on the port after its ID.
    EXPECT_EQ(Run({"backups"}), 0);
    EXPECT_EQ(out_.str(), path + "\n");
    EXPECT_EQ(Run({"backups", "--port", "COM4"}), 0);
    EXPECT_EQ(out_.str().substr(out_.str().find('\n') + 1), path + "\n") << out_.str();

    // A listing that cannot reach standard output says so, as the other commands do.
    const fs::path errors = folder_ / "stderr.txt";
    const std::string command = std::string(PROBEX_CLI_PATH) + " backups >&- 2>" + errors.string();
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), probexcli::kExitOutput);
    EXPECT_EQ(clitest::ReadText(errors), "probex-cli: the list could not be written to standard output\n");
}

}  // namespace
