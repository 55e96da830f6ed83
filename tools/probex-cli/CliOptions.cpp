// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/probex-cli/CliOptions.h"

#include "device/DeviceZaqTypes.h"
#include "device/ZaqProtocol.h"
#include "operation/DeviceResultText.h"
#include "operation/OperationProgress.h"
#include "operation/OperationRequest.h"
#include "platform/PathText.h"
#include "res/ProgramVersion.h"
#include "res/StringTable.h"

#include <charconv>
#include <limits>
#include <optional>

namespace probexcli {

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
    using res::LoadString;
    std::string text =
        "Usage:\n"
        "  probex-cli id    --port NAME [--timeout SECONDS] [--last]\n"
        "  probex-cli read  --port NAME [--timeout SECONDS] [--last] [--range FIRST-LAST] FILE\n"
        "  probex-cli write --port NAME [--timeout SECONDS] [--last] [--range FIRST-LAST]\n"
        "                   [--no-verify] [--changed-only] [--no-backup] FILE\n"
        "  probex-cli compare --port NAME [--timeout SECONDS] [--last] [--range FIRST-LAST] FILE\n"
        "  probex-cli backups [--port NAME [--timeout SECONDS] [--last]]\n"
        "  each of them also takes [--frames [--byte-gap MS]] [--trace FILE]\n"
        "  probex-cli ports\n"
        "  probex-cli check --port NAME [--wake [--timeout SECONDS] [--last]]\n"
        "  probex-cli --help | --version\n"
        "\n"
        "Reads the ID of a ZAQ device behind a K-line adapter, or reads or writes its 256-byte\n"
        "EEPROM. Every command that wakes the device prints its ID text on stdout, and checks FILE\n"
        "before the device is touched. Progress (\"" +
        operation::PercentText(37) +
        "\") goes to stderr while stderr is a\n"
        "terminal.\n"
        "\n"
        "Commands:\n"
        "  id        read the device's identification only\n"
        "  read      read the range into FILE. Bytes of FILE outside the range are kept; a missing\n"
        "            FILE starts as 256 zero bytes. FILE is replaced, atomically, only after the\n"
        "            whole range has been read: a failed read leaves it as it was. FILE must be a\n"
        "            regular file that can be read and written, or missing, in a folder that takes\n"
        "            new files; when FILE is a symbolic link, the link stays and its file is\n"
        "            replaced.\n"
        "  write     first read the device's whole EEPROM and store it as a backup (its path goes\n"
        "            to stderr; the newest 50 per device are kept under\n"
        "            $XDG_DATA_HOME/Velmora/backups/ID/), then write the range from FILE, a\n"
        "            readable regular file of exactly 256 bytes, then read the written bytes back\n"
        "            in the same connection; each byte that differs is listed on stderr (\"0x10:\n"
        "            wrote AB, read 00\"). A write that fails or is stopped says on stderr which\n"
        "            addresses were written and which not.\n"
        "  compare   read the range from the device and compare it with FILE, which must hold\n"
        "            exactly 256 bytes and is left as it is; prints how many bytes differ and\n"
        "            where.\n"
        "  backups   list the stored backups, one file a line, oldest first per device; with\n"
        "            --port only those of the device there, after reading its ID.\n"
        "  ports     list the serial ports, one a line: the COM name (- where none leads to the\n"
        "            device), the device path, what is behind it (USB product and maker, driver,\n"
        "            /dev/serial/by-id name) and \"busy\" or \"no access\" where it cannot be opened\n"
        "  check     examine the adapter without waking the device: open the port exclusively,\n"
        "            set both line formats and read them back, time 20 byte echoes at each, show\n"
        "            the USB identity, driver and latency timer; ends with a verdict and hints. Exit\n"
        "            status 0 when the adapter echoes at both formats, 3 when it does not, 1 when\n"
        "            the port cannot be opened. With --wake it then wakes the device and reads its\n"
        "            ID, and the exit status is that of id.\n"
        "\n"
        "Options:\n"
        "  --port NAME          COMn (through the per-user port map, as in the window\n"
        "                       application) or a device path such as /dev/ttyUSB0\n"
        "  --timeout SECONDS    time allowed for each answer byte, 1 to 30 (default 10)\n"
        "  --frames             send each request frame in one write, then check all its echoes,\n"
        "                       instead of waiting for each byte's echo before the next byte:\n"
        "                       much faster through a USB adapter. The K-line allows it, but no\n"
        "                       device has been seen taking it, so it is not the default\n"
        "  --byte-gap MS        with --frames: MS milliseconds between two bytes, 0 to 20 (default 0)\n"
        "  --last               mark the request as the last operation for the device\n"
        "  --range FIRST-LAST   EEPROM addresses in hex, 00 to FF, inclusive (default 00-FF)\n"
        "  --no-verify          write: do not read the written bytes back\n"
        "  --changed-only       write: read the range first and write only the bytes that differ\n"
        "                       from FILE; says how many were written\n"
        "  --no-backup          write: store no backup first\n"
        "  --wake               check: go on to wake the device and read its ID\n"
        "  --trace FILE         write a trace of the connection (every byte sent with its echo,\n"
        "                       every answer, how it ended) to FILE; - for stderr. FILE must be\n"
        "                       a regular file or missing, and not the command's FILE (65)\n"
        "  --help               show this text\n"
        "  --                   end of the options: what follows is the command and FILE, even\n"
        "                       when it starts with -\n"
        "  --version            show the version\n"
        "\n";
    text += "Exit status:\n"
            "  0   success\n";
    for (const std::uint16_t result : kDeviceFailures)
        text += "  " + std::to_string(result) + "   " + HelpText(result) + "\n";
    text += "  8   the written bytes read back, or the compared range, differ from FILE\n"
            "  9   " +
            HelpText(device::ResultShortAnswer) +
            "\n"
            "  64  wrong usage\n"
            "  65  FILE cannot be read or written, or is not 256 bytes long (\"" +
            LoadString(res::IDS_WRONG_FILE_SIZE) +
            "\"),\n"
            "      or a write's backup could not be stored (nothing was written)\n"
            "  74  the ID text, a result or the backups' list could not be written to stdout, or the\n"
            "      trace to its file\n"
            "  130  stopped by SIGINT, SIGTERM, SIGHUP or SIGQUIT\n";
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
            error = arg + " needs a value";
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
                error = "--range takes FIRST-LAST in hex, 00 to FF, with FIRST not above LAST";
                return false;
            }
        } else if (arg == "--trace") {
            options.tracePath = args[++i];
        } else if (arg == "--byte-gap") {
            if (!ParseByteGap(args[++i], options.byteGapMs)) {
                error =
                    "--byte-gap takes 0 to " + std::to_string(device::zaq::kMaxByteGapMs) + " milliseconds";
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
            error = "unknown option " + platform::PrintableName(arg);
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.empty()) {
        error = "no command given";
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
    } else {
        error = "unknown command " + platform::PrintableName(command);
        return false;
    }
    if (positional.size() != files + 1) {
        error = files ? command + " needs exactly one FILE" : command + " takes no FILE";
        return false;
    }
    if (files)
        options.file = positional[1];
    if (!writeOnly.empty() && options.command != Command::Write) {
        error = writeOnly + " goes with write only";
        return false;
    }
    const bool takesRange = options.command == Command::Read || options.command == Command::Write ||
                            options.command == Command::Compare;
    if (rangeGiven && !takesRange) {
        error = "--range goes with read, write and compare only";
        return false;
    }
    if (byteGapGiven && !options.wholeFrames) {
        error = "--byte-gap goes with --frames only";
        return false;
    }
    if (options.wake && options.command != Command::Check) {
        error = "--wake goes with check only";
        return false;
    }
    // What only a connection to the device uses.
    const bool connectionOptions =
        timeoutGiven || !options.tracePath.empty() || options.wholeFrames || options.lastOperation;
    if (options.command == Command::Ports && (!options.port.empty() || connectionOptions)) {
        error = "ports takes no --port, --timeout, --trace, --frames or --last";
        return false;
    }
    if (options.command == Command::Backups && options.port.empty() && connectionOptions) {
        error = "backups takes --timeout, --trace, --frames and --last only with --port";
        return false;
    }
    if (options.command == Command::Check && !options.wake && connectionOptions) {
        error = "check takes --timeout, --trace, --frames and --last only with --wake";
        return false;
    }
    if (options.port.empty() && options.command != Command::Backups && options.command != Command::Ports) {
        error = "--port is required";
        return false;
    }
    return true;
}

}  // namespace probexcli
