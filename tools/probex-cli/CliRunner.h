// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// probex-cli's work, apart from main() so that tests can run it in-process.

#include "operation/Operation.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

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
    // The engine's timing for the request; the program leaves the engine's own.
    std::optional<operation::EngineTiming> engineTiming;
};

// Runs one command; returns the exit status.
int RunCli(const std::vector<std::string>& args, CliIo& io);

}  // namespace probexcli
