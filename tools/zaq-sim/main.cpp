// SPDX-License-Identifier: GPL-3.0-or-later
// zaq-sim: a K-line adapter with a ZAQ device behind it, on a pseudo-terminal.

#include <csignal>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "res/ProgramVersion.h"
#include "tools/zaq-sim/Simulator.h"

namespace {
volatile std::sig_atomic_t g_stop = 0;
void OnSignal(int)
{
    g_stop = 1;
}
}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::fputs(zaqsim::kSimUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::fputs(res::VersionText("zaq-sim").c_str(), stdout);
            return 0;
        }
    }
    zaqsim::SimOptions options;
    std::string error;
    if (!zaqsim::ParseSimOptions(args, options, error)) {
        std::fprintf(stderr, "zaq-sim: %s\n\n%s", error.c_str(), zaqsim::kSimUsage);
        return 64;
    }
    // Before the path is printed: whoever reads it may stop us at once.
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    zaqsim::Simulator simulator(options);
    if (!simulator.Start(error)) {
        std::fprintf(stderr, "zaq-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", simulator.SlavePath().c_str());
    if (!options.linkName.empty())
        std::printf("%s -> %s\n", options.linkName.c_str(), simulator.SlavePath().c_str());
    std::fflush(stdout);
    while (!g_stop && !simulator.Unplugged())
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    simulator.Stop();
    return 0;
}
