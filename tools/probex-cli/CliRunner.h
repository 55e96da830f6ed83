// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// probex-cli's work, apart from main() so that tests can run it in-process.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace device {
class CDeviceZAQ;
}

namespace probexcli {

inline constexpr int kExitDifferences = 8;
inline constexpr int kExitUsage = 64;
inline constexpr int kExitFile = 65;
// Promised output (the ID text, a count, the trace) could not be written.
inline constexpr int kExitOutput = 74;

struct CliIo {
    std::ostream& out;
    std::ostream& err;
    bool showProgress = false;
    // Called on the engine before its request; the program leaves the engine as it is.
    std::function<void(device::CDeviceZAQ&)> prepareEngine;
};

// Runs one command; returns the exit status.
int RunCli(const std::vector<std::string>& args, CliIo& io);

}  // namespace probexcli
