// SPDX-License-Identifier: GPL-3.0-or-later
// zaq-sim --link: the port-map entry goes when the simulator stops, and so does a port-map
// folder the simulator had to create for it, so COMn means /dev/ttyS(n-1) again.
#include "tests/support/TempPortMap.h"
#include "tools/zaq-sim/Simulator.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

TEST(SimPortMapLink, TheSimulatorTakesAwayOnlyWhatItAdded)
{
    struct Case {
        const char* what;
        bool folderBefore;
        bool userAddsEntry;
        bool folderAfter;
    };
    const Case cases[] = {
        {"folder made for the link", false, false, false},
        {"folder that was there", true, false, true},
        {"folder made, then used by someone else", false, true, true},
    };
    for (const Case& c : cases) {
        testsupport::TempPortMap portMap;
        if (!c.folderBefore)
            portMap.RemovePortsFolder();
        zaqsim::SimOptions options;
        options.linkName = "COM3";
        zaqsim::Simulator sim(options);
        std::string error;
        ASSERT_TRUE(sim.Start(error)) << error;
        EXPECT_EQ(fs::read_symlink(portMap.PortsFolder() + "/COM3"), fs::path(sim.SlavePath())) << c.what;
        if (c.userAddsEntry)
            portMap.Link("COM9", "/dev/ttyUSB0");
        sim.Stop();
        EXPECT_FALSE(fs::is_symlink(portMap.PortsFolder() + "/COM3")) << c.what;
        EXPECT_EQ(fs::is_directory(portMap.PortsFolder()), c.folderAfter) << c.what;
    }
}

}  // namespace
