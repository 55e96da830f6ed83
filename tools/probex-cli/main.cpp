// SPDX-License-Identifier: GPL-3.0-or-later
// probex-cli: the device engine from a terminal.

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

#include "res/InterfaceLanguage.h"
#include "res/TextCatalog.h"
#include "tools/probex-cli/CliRunner.h"
#include "tools/probex-cli/StopSignals.h"
#ifdef _WIN32
#include "platform/windows/ConsoleStop.h"
#endif

namespace {

#ifdef _WIN32

// A Windows process without standard handles gets descriptors that fail every call instead.
bool KeepStandardDescriptorsOpen(bool&)
{
    return true;
}

#else

// A descriptor 0, 1 or 2 closed at start would go to the next file the program opens: the serial
// port could become standard output and take the ID text onto the K-line. Each closed one is
// opened on /dev/null instead. Returns false when that fails.
bool KeepStandardDescriptorsOpen(bool& stdoutWasClosed)
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        stdoutWasClosed = stdoutWasClosed || fd == STDOUT_FILENO;
        // open() takes the lowest free descriptor, and those below fd are open by now.
        if (open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY) != fd)
            return false;
    }
    return true;
}

#endif

}  // namespace

int main(int argc, char** argv)
{
    bool stdoutWasClosed = false;
    if (!KeepStandardDescriptorsOpen(stdoutWasClosed)) {
        std::perror("probex-cli: /dev/null");
        return probexcli::kExitFile;
    }
    if (stdoutWasClosed)
        std::cout.setstate(std::ios::badbit);  // what goes there is lost: the program says so
    res::UseCatalog(res::InterfaceLanguageFromEnvironment());
    probexcli::InstallStopSignals();
    probexcli::CliIo io{std::cout, std::cerr, isatty(STDERR_FILENO) == 1, {}};
    const int status = probexcli::RunCli(std::vector<std::string>(argv + 1, argv + argc), io);
#ifdef _WIN32
    // A closing console waits for this before the system ends the process.
    platform::ConsoleStopFinished();
#endif
    return status;
}
