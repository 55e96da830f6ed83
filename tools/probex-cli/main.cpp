// probex-cli: the device engine from a terminal.

#include <iostream>
#include <unistd.h>

#include "tools/probex-cli/CliRunner.h"
#include "tools/probex-cli/StopSignals.h"

int main(int argc, char** argv)
{
    probexcli::InstallStopSignals();
    probexcli::CliIo io{std::cout, std::cerr, isatty(STDERR_FILENO) == 1, {}};
    return probexcli::RunCli(std::vector<std::string>(argv + 1, argv + argc), io);
}
