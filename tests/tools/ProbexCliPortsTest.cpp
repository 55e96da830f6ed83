// SPDX-License-Identifier: GPL-3.0-or-later
// probex-cli ports and check, in-process against the simulator on COM4.
#include "platform/SerialBackend.h"
#include "res/StringTable.h"
#include "res/TextCatalog.h"
#include "tests/support/PtyPair.h"
#include "tests/tools/CliSimulatorFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ProbexCliPorts : public clitest::CliSimulatorFixture {
protected:
    bool OutHas(const std::string& part) const { return out_.str().find(part) != std::string::npos; }
    bool ErrHas(const std::string& part) const { return err_.str().find(part) != std::string::npos; }
};

TEST_F(ProbexCliPorts, PortsListsEachPortWithWhatIsBehindItAndWhetherItIsBusy)
{
    testsupport::PtyPair held;
    platform::SerialBackend& backend = platform::DefaultSerialBackend();
    const platform::CommHandle holder = backend.CreateFile(held.SlavePath(), false);
    ASSERT_NE(holder, platform::kNullHandle);
    portMap_.Link("COM2", held.SlavePath());
    portMap_.Link("COM3", "/dev/probex-unplugged");
    // Scripts read these lines: the same in every language.
    for (const char* language : {"en", "ru"}) {
        res::UseCatalog(language);
        out_.str("");
        EXPECT_EQ(Run({"ports"}), 0);
        // The COM names come first; serial devices of this machine may follow.
        EXPECT_EQ(out_.str().rfind("COM2  " + held.SlavePath() + "  pseudo-terminal  busy\n" + "COM4  " +
                                       sim_->SlavePath() + "  pseudo-terminal\n",
                                   0),
                  0u)
            << language << ":\n"
            << out_.str();
    }
    res::SetTranslation(nullptr);
    backend.CloseHandle(holder);
    EXPECT_FALSE(OutHas("COM3")) << "a port that is not there is left out";
    EXPECT_EQ(sim_->Log().ClientByteCount(), 0u);
}

TEST_F(ProbexCliPorts, CheckOfAnEchoingAdapterExits0AndLeavesTheDeviceAsleep)
{
    EXPECT_EQ(Run({"check", "--port", "COM4"}), 0) << err_.str();
    EXPECT_TRUE(OutHas("Port: COM4 (" + sim_->SlavePath() + ")\n")) << out_.str();
    EXPECT_TRUE(OutHas("  echoes: 20 of 20; round trip min ")) << out_.str();
    EXPECT_TRUE(OutHas("Verdict: the adapter echoes at both formats.\n")) << out_.str();
    EXPECT_TRUE(err_.str().empty()) << err_.str();
    EXPECT_TRUE(zaqsim::FramesOf(sim_->Log().Frames(), zaqsim::FrameKind::Pulse).empty());

    // --wake goes on to read the ID after the report.
    EXPECT_EQ(Run({"check", "--port", "COM4", "--wake"}), 0) << err_.str();
    const std::size_t verdict = out_.str().find("Verdict: ");
    const std::size_t id = out_.str().find("MB: 0A1 B2C 3D 4E 2211 4433\n");
    ASSERT_NE(verdict, std::string::npos) << out_.str();
    EXPECT_GT(id, verdict) << out_.str();
    EXPECT_EQ(zaqsim::FramesOf(sim_->Log().Frames(), zaqsim::FrameKind::Pulse).size(), 2u);
}

TEST_F(ProbexCliPorts, CheckWithoutEchoExits3AndDoesNotWakeTheDevice)
{
    zaqsim::SimOptions noEcho;
    noEcho.noEcho = true;
    StartSimulator(noEcho);
    EXPECT_EQ(Run({"check", "--port", "COM4", "--wake"}), 3);
    EXPECT_TRUE(
        OutHas("- no echo: the adapter is not powered (it takes power from the diagnostic socket) or not "
               "a K-line adapter\n"))
        << out_.str();
    EXPECT_EQ(sim_->Log().ClientByteCount(), 2u) << "one byte at each format, no wake-up";
}

TEST_F(ProbexCliPorts, CheckOfAPortThatCannotBeOpenedExits1AndSaysWhy)
{
    EXPECT_EQ(Run({"check", "--port", "COM8"}), 1);
    EXPECT_TRUE(OutHas("Verdict: the port cannot be opened.\n")) << out_.str();
    EXPECT_TRUE(ErrHas("COM8: no such port: the port map " + portMap_.PortsFolder() + " has no COM8;"))
        << err_.str();
}

}  // namespace
