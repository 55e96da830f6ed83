// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace app {

// What the command line of the window program asks for: `probex [FILE]`, `--help`.
struct StartupArguments {
    bool help = false;
    std::string file;   // the dump to open at start; empty for none
    std::string error;  // what is wrong with the command line; empty when nothing is
};

// args: the arguments after the program's name. "--" ends the options.
StartupArguments ParseStartupArguments(const std::vector<std::string>& args);

// The text `--help` prints.
std::string StartupUsage();

}  // namespace app
