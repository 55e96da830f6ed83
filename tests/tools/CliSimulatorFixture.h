// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// probex-cli run in-process against the simulator on COM4 of a temporary port map, with the
// engine's wake-up shortened; the device starts holding 255 - address at each address.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/ShortEngineTiming.h"
#include "tests/support/TempPortMap.h"
#include "tests/support/TestSimulator.h"
#include "tools/probex-cli/CliRunner.h"
#include "tools/zaq-sim/Simulator.h"

namespace clitest {

using Image = std::array<std::uint8_t, 256>;

inline Image ReadImage(const std::filesystem::path& path)
{
    Image image{};
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(image.data()), image.size());
    return image;
}

inline std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class CliSimulatorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::path(portMap_.ConfigHome()) / "files";
        std::filesystem::create_directories(folder_);
        StartSimulator({});
    }

    void StartSimulator(zaqsim::SimOptions options)
    {
        sim_.reset();
        options.linkName = "COM4";
        sim_ = testsupport::StartSimulator(testsupport::ZeroGapSimOptions(std::move(options)));
        for (int i = 0; i < 256; ++i)
            device_[i] = std::uint8_t(255 - i);
        sim_->Eeprom().Fill(device_);
    }

    int Run(const std::vector<std::string>& args)
    {
        out_.str("");
        err_.str("");
        probexcli::CliIo io{out_, err_, progress_, testsupport::ShortEngineTiming<operation::EngineTiming>()};
        return probexcli::RunCli(args, io);
    }

    testsupport::TempPortMap portMap_;
    std::filesystem::path folder_;
    std::unique_ptr<zaqsim::Simulator> sim_;
    Image device_{};
    std::ostringstream out_;
    std::ostringstream err_;
    bool progress_ = false;
};

}  // namespace clitest
