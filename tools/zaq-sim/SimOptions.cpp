// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zaq-sim/SimOptions.h"

#include <algorithm>
#include <charconv>

#include "platform/PortNames.h"

namespace zaqsim {

const char* const kSimUsage =
    "Usage: zaq-sim [OPTIONS] EEPROM-FILE\n"
    "Simulates a K-line adapter with a ZAQ device behind it on a pseudo-terminal.\n"
    "Prints the terminal's path on the first line of stdout, then serves it until\n"
    "interrupted. EEPROM-FILE holds the 256-byte EEPROM; it is created zeroed when missing.\n"
    "\n"
    "Options:\n"
    "  --link COMn            also register the terminal as COMn in the per-user port map (a\n"
    "                         port-map folder it had to create is removed again on exit)\n"
    "  --log FILE             write the wire log (every byte, line settings, events) to FILE\n"
    "  --long                 answer in the long (0x80) header form\n"
    "  --byte-timing          hold each byte for its time on the wire (0.955 ms at 10472 baud),\n"
    "                         to the microsecond when the machine lets zaq-sim run\n"
    "  --any-line-format      take wake-up pulses and frames at any speed and parity the\n"
    "                         terminal shows: a pulse is a 0x00 where no frame is under way.\n"
    "                         For a terminal behind an emulated serial port or a Windows\n"
    "                         compatibility layer, which pass only standard rates (no 10472)\n"
    "                         and no mark/space parity to a pseudo-terminal\n"
    "  --usb-latency MS       behave as a USB serial chip with a latency timer of MS (1-255):\n"
    "                         echoes and answers reach the host when MS has passed since the\n"
    "                         last release, or when 62 bytes are waiting\n"
    "  --response-delay MS    the device waits MS before each answer\n"
    "  --min-gap1 MS          least time from the first wake-up pulse to the second (300)\n"
    "  --min-gap2 MS          least time from the second pulse to the first frame (100)\n"
    "  --id HEX               the 12 identification bytes (24 hex digits)\n"
    "  --help                 show this text\n"
    "  --version              show the version\n"
    "Faults (frames and answers counted from 1):\n"
    "  --no-echo              adapter absent: nothing is echoed or answered\n"
    "  --silent-from N        the device answers no request from frame N on\n"
    "  --bad-checksum N       answer N carries a wrong checksum\n"
    "  --unplug-after N       the terminal disappears after N received bytes, and zaq-sim ends\n"
    "  --unplug-in-answer N   answer N breaks off after two bytes: the terminal disappears\n"
    "  --refuse N             answer N is a negative answer (7F, the service, reason 22)\n"
    "  --short-answer N       answer N carries its service byte only, with a right checksum\n"
    "  --corrupt-echo N       received byte N is changed on the line (device and echo see 0x01 flipped)\n"
    "  --lose-byte N          received byte N is lost on the line: the device never sees it, no echo\n"
    "  --stale HEX            these bytes wait in the client's receive queue before it connects,\n"
    "                         as a late answer to an earlier connection would\n"
    "  --ignore-writes        answer every write step positively but keep the EEPROM as it is\n";

namespace {

// The largest latency timer a USB serial chip takes.
constexpr std::uint32_t kMaxUsbLatencyMs = 255;

bool ParseNumber(const std::string& text, std::uint32_t& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

bool ParseHexBytes(const std::string& text, std::vector<std::uint8_t>& bytes)
{
    if (text.empty() || text.size() % 2 != 0)
        return false;
    bytes.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        auto [ptr, ec] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
        if (ec != std::errc() || ptr != text.data() + i + 2)
            return false;
        bytes.push_back(std::uint8_t(value));
    }
    return true;
}

bool ParseIdBytes(const std::string& text, std::array<std::uint8_t, kIdBytes>& bytes)
{
    std::vector<std::uint8_t> parsed;
    if (!ParseHexBytes(text, parsed) || parsed.size() != bytes.size())
        return false;
    std::copy(parsed.begin(), parsed.end(), bytes.begin());
    return true;
}

}  // namespace

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error)
{
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        auto number = [&](std::uint32_t& out) {
            std::string text;
            if (!value(text))
                return false;
            if (!ParseNumber(text, out)) {
                error = arg + ": not a number: " + text;
                return false;
            }
            return true;
        };
        bool ok = true;
        if (arg == "--link") {
            std::string name;
            ok = value(name);
            // Registered as probex-cli looks it up, so that the name given reaches the terminal.
            options.linkName = platform::CanonicalComName(name);
            if (ok && options.linkName.empty()) {
                error = "--link takes a name COM1, COM2, ...";
                ok = false;
            }
        } else if (arg == "--log") {
            ok = value(options.logPath);
        } else if (arg == "--long") {
            options.longAnswers = true;
        } else if (arg == "--byte-timing") {
            options.byteTiming = true;
        } else if (arg == "--any-line-format") {
            options.anyLineFormat = true;
        } else if (arg == "--usb-latency") {
            ok = number(options.usbLatencyMs);
            if (ok && (options.usbLatencyMs < 1 || options.usbLatencyMs > kMaxUsbLatencyMs)) {
                error = "--usb-latency takes 1 to " + std::to_string(kMaxUsbLatencyMs) + " milliseconds";
                ok = false;
            }
        } else if (arg == "--response-delay") {
            ok = number(options.responseDelayMs);
        } else if (arg == "--min-gap1") {
            ok = number(options.minGap1Ms);
        } else if (arg == "--min-gap2") {
            ok = number(options.minGap2Ms);
        } else if (arg == "--id") {
            std::string text;
            ok = value(text);
            if (ok && !ParseIdBytes(text, options.idBytes)) {
                error = "--id takes 24 hex digits";
                ok = false;
            }
        } else if (arg == "--no-echo") {
            options.noEcho = true;
        } else if (arg == "--silent-from") {
            ok = number(options.silentFromFrame);
        } else if (arg == "--bad-checksum") {
            ok = number(options.badChecksumAnswer);
        } else if (arg == "--unplug-after") {
            ok = number(options.unplugAfterBytes);
        } else if (arg == "--unplug-in-answer") {
            ok = number(options.unplugInAnswer);
        } else if (arg == "--refuse") {
            ok = number(options.refuseAnswer);
        } else if (arg == "--short-answer") {
            ok = number(options.shortAnswer);
        } else if (arg == "--corrupt-echo") {
            ok = number(options.corruptEcho);
        } else if (arg == "--lose-byte") {
            ok = number(options.loseByte);
        } else if (arg == "--ignore-writes") {
            options.ignoreWrites = true;
        } else if (arg == "--stale") {
            std::string text;
            ok = value(text);
            if (ok && !ParseHexBytes(text, options.staleBytes)) {
                error = "--stale takes bytes in hex, two digits each";
                ok = false;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            ok = false;
        } else {
            positional.push_back(arg);
        }
        if (!ok)
            return false;
    }
    if (positional.size() != 1) {
        error = "exactly one EEPROM file is needed";
        return false;
    }
    options.eepromPath = positional.front();
    return true;
}

}  // namespace zaqsim
