// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of probex-cli.

#include <cstdint>
#include <string>
#include <vector>

#include "operation/OperationRecord.h"
#include "operation/OperationRequest.h"

namespace probexcli {

enum class Command {
    Help,
    Version,
    ReadId,
    Read,
    Write,
    Compare,
    Backups,  // lists the stored backups, of the device on --port when given
    Ports,
    Check,
    Diff  // compares file with otherFile, without a device
};

struct CliOptions {
    Command command = Command::Help;
    std::string port;
    std::uint32_t timeoutSeconds = operation::kDefaultTimeoutSeconds;
    bool lastOperation = false;
    std::uint32_t first = 0x00;  // inclusive EEPROM range
    std::uint32_t last = operation::kEepromBytes - 1;
    std::string file;
    std::string otherFile;  // diff's FILE2
    bool verify = true;     // write: read the written bytes back before the connection ends
    bool changedOnly = false;
    bool backup = true;        // write: store the whole EEPROM first
    bool wholeFrames = false;  // --frames: each request frame written at once
    std::uint32_t byteGapMs = 0;
    std::string tracePath;  // --trace: a file, "-" for stderr; empty for none
    bool wake = false;      // check: go on to wake the device and read its ID
};

// Parses the arguments (without argv[0]); false with a message for the user on failure.
bool ParseCliOptions(const std::vector<std::string>& args, CliOptions& options, std::string& error);

// The text of --help; the result texts in it are the window application's own.
std::string CliHelp();

// The text of --version.
std::string CliVersion();

}  // namespace probexcli
