// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/probex-cli/CliOptions.h"

#include "device/AdapterCheck.h"
#include "device/DeviceZaqTypes.h"
#include "device/ZaqProtocol.h"
#include "operation/BackupFiles.h"
#include "operation/DeviceResultText.h"
#include "operation/FormatText.h"
#include "operation/OperationProgress.h"
#include "operation/OperationRecord.h"
#include "operation/OperationRequest.h"
#include "platform/PathText.h"
#include "platform/UserFolders.h"
#include "res/ProgramVersion.h"
#include "res/StringTable.h"

#include <charconv>
#include <limits>
#include <optional>
#include <set>

namespace probexcli {

using operation::FormatText;

namespace {

constexpr std::uint16_t kDeviceFailures[] = {device::ResultPortError, device::ResultAnswerTimeout,
                                             device::ResultNoAdapter, device::ResultChecksumError,
                                             device::ResultRefused,   device::ResultLineError,
                                             device::ResultStopped};

// A message as the help lists it: a refusal's reason code stands as "XX".
std::string HelpText(std::uint16_t result)
{
    std::string text = res::LoadString(operation::DeviceResultMessage(result));
    const std::size_t code = text.find("%02X");
    if (code != std::string::npos)
        text.replace(code, 4, "XX");
    return text;
}

}  // namespace

std::string CliHelp()
{
    using operation::FormatPlaces;
    const std::string eepromSize = std::to_string(operation::kEepromBytes);
    std::string text = FormatPlaces(
        res::IDS_CLI_HELP,
        {operation::PercentText(37), eepromSize, std::to_string(operation::kBackupsKept),
         "$XDG_DATA_HOME/" + std::string(platform::kProgramFolderName) + "/" + operation::kBackupsFolderName,
         std::to_string(device::AdapterCheckOptions{}.echoCount),
         std::to_string(operation::kMinTimeoutSeconds), std::to_string(operation::kMaxTimeoutSeconds),
         std::to_string(operation::kDefaultTimeoutSeconds), std::to_string(device::zaq::kMaxByteGapMs)});
    text += res::LoadString(res::IDS_CLI_EXIT_STATUS);
    for (const std::uint16_t result : kDeviceFailures)
        text += "  " + std::to_string(result) + "   " + HelpText(result) + "\n";
    text += FormatPlaces(res::IDS_CLI_EXIT_STATUS_END,
                         {HelpText(device::ResultShortAnswer), res::LoadString(res::IDS_WRONG_FILE_SIZE),
                          eepromSize, HelpText(device::ResultUnexpectedAnswer)});
    return text;
}

std::string CliVersion()
{
    return res::VersionText("probex-cli");
}

namespace {

bool ParseHexAddress(const std::string& text, std::uint32_t& value)
{
    if (text.empty() || text.size() > 2)
        return false;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return ec == std::errc() && ptr == text.data() + text.size();
}

bool ParseRange(const std::string& text, CliOptions& options)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos)
        return false;
    return ParseHexAddress(text.substr(0, dash), options.first) &&
           ParseHexAddress(text.substr(dash + 1), options.last) && options.first <= options.last;
}

bool ParseByteGap(const std::string& text, std::uint32_t& milliseconds)
{
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), milliseconds);
    return !text.empty() && ec == std::errc() && ptr == text.data() + text.size() &&
           milliseconds <= device::zaq::kMaxByteGapMs;
}

bool ParseTimeout(const std::string& text, std::uint32_t& seconds, std::string& error)
{
    std::int64_t value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    std::optional<std::int64_t> number;
    if (!text.empty() && ptr == text.data() + text.size() && ec != std::errc::invalid_argument)
        number = ec == std::errc() ? value : std::numeric_limits<std::int64_t>::max();
    error = operation::TimeoutProblem(number);
    if (!error.empty())
        return false;
    seconds = std::uint32_t(value);
    return true;
}

}  // namespace

bool ParseCliOptions(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    std::vector<std::string> positional;
    std::string writeOnly;  // the last option that only a write takes
    bool rangeGiven = false;
    bool timeoutGiven = false;
    bool optionsEnded = false;  // after "--" every argument is a command or a FILE
    bool byteGapGiven = false;
    std::set<std::string> valuesGiven;  // a second value would silently win over the first
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded) {
            positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.command = Command::Help;
            return true;
        }
        if (arg == "--version") {
            options.command = Command::Version;
            return true;
        }
        const bool takesValue = arg == "--port" || arg == "--timeout" || arg == "--range" ||
                                arg == "--trace" || arg == "--byte-gap";
        if (takesValue && i + 1 >= args.size()) {
            error = FormatText(res::IDS_CLI_NEEDS_VALUE, arg);
            return false;
        }
        if (takesValue && !valuesGiven.insert(arg).second) {
            error = FormatText(res::IDS_CLI_REPEATED_OPTION, arg);
            return false;
        }
        if (arg == "--port") {
            options.port = args[++i];
        } else if (arg == "--timeout") {
            if (!ParseTimeout(args[++i], options.timeoutSeconds, error))
                return false;
            timeoutGiven = true;
        } else if (arg == "--range") {
            rangeGiven = true;
            if (!ParseRange(args[++i], options)) {
                error = res::LoadString(res::IDS_CLI_BAD_RANGE);
                return false;
            }
        } else if (arg == "--trace") {
            options.tracePath = args[++i];
        } else if (arg == "--byte-gap") {
            if (!ParseByteGap(args[++i], options.byteGapMs)) {
                error = FormatText(res::IDS_CLI_BAD_BYTE_GAP, unsigned(device::zaq::kMaxByteGapMs));
                return false;
            }
            byteGapGiven = true;
        } else if (arg == "--frames") {
            options.wholeFrames = true;
        } else if (arg == "--last") {
            options.lastOperation = true;
        } else if (arg == "--no-verify") {
            options.verify = false;
            writeOnly = arg;
        } else if (arg == "--no-backup") {
            options.backup = false;
            writeOnly = arg;
        } else if (arg == "--changed-only") {
            options.changedOnly = true;
            writeOnly = arg;
        } else if (arg == "--wake") {
            options.wake = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = FormatText(res::IDS_CLI_UNKNOWN_OPTION, platform::PrintableName(arg));
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.empty()) {
        error = res::LoadString(res::IDS_CLI_NO_COMMAND);
        return false;
    }
    const std::string& command = positional.front();
    std::size_t files = 1;
    if (command == "id") {
        options.command = Command::ReadId;
        files = 0;
    } else if (command == "ports") {
        options.command = Command::Ports;
        files = 0;
    } else if (command == "check") {
        options.command = Command::Check;
        files = 0;
    } else if (command == "read") {
        options.command = Command::Read;
    } else if (command == "write") {
        options.command = Command::Write;
    } else if (command == "compare") {
        options.command = Command::Compare;
    } else if (command == "backups") {
        options.command = Command::Backups;
        files = 0;
    } else if (command == "diff") {
        options.command = Command::Diff;
        files = 2;
    } else {
        error = FormatText(res::IDS_CLI_UNKNOWN_COMMAND, platform::PrintableName(command));
        return false;
    }
    if (positional.size() != files + 1) {
        error = files == 2
                    ? res::LoadString(res::IDS_CLI_DIFF_FILES)
                    : FormatText(files ? res::IDS_CLI_NEEDS_FILE : res::IDS_CLI_TAKES_NO_FILE, command);
        return false;
    }
    if (files)
        options.file = positional[1];
    if (files == 2)
        options.otherFile = positional[2];
    // Two files and nothing else: no device is touched.
    if (options.command == Command::Diff) {
        const bool anyOption = !options.port.empty() || rangeGiven || timeoutGiven || byteGapGiven ||
                               !options.tracePath.empty() || options.wholeFrames || options.lastOperation ||
                               !writeOnly.empty() || options.wake;
        if (anyOption)
            error = res::LoadString(res::IDS_CLI_DIFF_OPTIONS);
        return !anyOption;
    }
    if (!writeOnly.empty() && options.command != Command::Write) {
        error = FormatText(res::IDS_CLI_WRITE_ONLY, writeOnly);
        return false;
    }
    const bool takesRange = options.command == Command::Read || options.command == Command::Write ||
                            options.command == Command::Compare;
    if (rangeGiven && !takesRange) {
        error = res::LoadString(res::IDS_CLI_RANGE_ONLY);
        return false;
    }
    if (byteGapGiven && !options.wholeFrames) {
        error = res::LoadString(res::IDS_CLI_BYTE_GAP_ONLY);
        return false;
    }
    if (options.wake && options.command != Command::Check) {
        error = res::LoadString(res::IDS_CLI_WAKE_ONLY);
        return false;
    }
    // What only a connection to the device uses.
    const bool connectionOptions =
        timeoutGiven || !options.tracePath.empty() || options.wholeFrames || options.lastOperation;
    if (options.command == Command::Ports && (!options.port.empty() || connectionOptions)) {
        error = res::LoadString(res::IDS_CLI_PORTS_OPTIONS);
        return false;
    }
    if (options.command == Command::Backups && options.port.empty() && connectionOptions) {
        error = res::LoadString(res::IDS_CLI_BACKUPS_OPTIONS);
        return false;
    }
    if (options.command == Command::Check && !options.wake && connectionOptions) {
        error = res::LoadString(res::IDS_CLI_CHECK_OPTIONS);
        return false;
    }
    if (options.port.empty() && options.command != Command::Backups && options.command != Command::Ports) {
        error = res::LoadString(res::IDS_CLI_PORT_REQUIRED);
        return false;
    }
    return true;
}

}  // namespace probexcli
