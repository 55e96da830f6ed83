// SPDX-License-Identifier: GPL-3.0-or-later
// probex-cli's command line: the input is its arguments, each ended by a zero byte.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/probex-cli/CliOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(char(bytes[i]));
        }
    }
    probexcli::CliOptions options;
    std::string error;
    if (probexcli::ParseCliOptions(args, options, error)) {
        // What the parser accepts is what the runner relies on.
        // Listing the ports, or the backups without a port, and comparing two files need no device.
        const bool needsNoDevice = options.command == probexcli::Command::Ports ||
                                   options.command == probexcli::Command::Diff ||
                                   (options.command == probexcli::Command::Backups && options.port.empty());
        const bool talksToDevice = options.command != probexcli::Command::Help &&
                                   options.command != probexcli::Command::Version && !needsNoDevice;
        if (options.command == probexcli::Command::Diff && !options.port.empty())
            __builtin_trap();  // two files and nothing else
        if (talksToDevice && (options.port.empty() || options.first > options.last || options.last > 0xFF ||
                              options.timeoutSeconds < 1 || options.timeoutSeconds > 30))
            __builtin_trap();
    } else if (error.empty()) {
        __builtin_trap();  // a refusal always says why
    }
    return 0;
}
