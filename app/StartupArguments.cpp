// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartupArguments.h"

#include "res/StringTable.h"

#include <cstdio>

namespace app {

namespace {

std::string Formatted(res::ResourceId id, const std::string& argument)
{
    const std::string format = res::LoadString(id);
    const int length = std::snprintf(nullptr, 0, format.c_str(), argument.c_str());
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, format.c_str(), argument.c_str());
    return text;
}

}  // namespace

StartupArguments ParseStartupArguments(const std::vector<std::string>& args)
{
    StartupArguments parsed;
    bool options = true;
    for (const std::string& arg : args) {
        if (options && arg == "--") {
            options = false;
        } else if (options && (arg == "--help" || arg == "-h")) {
            parsed.help = true;
        } else if (options && arg.size() > 1 && arg.front() == '-') {
            if (parsed.error.empty())
                parsed.error = Formatted(res::IDS_STARTUP_UNKNOWN_OPTION, arg);
        } else if (parsed.file.empty()) {
            parsed.file = arg;
        } else if (parsed.error.empty()) {
            parsed.error = Formatted(res::IDS_STARTUP_EXTRA_FILE, arg);
        }
    }
    return parsed;
}

std::string StartupUsage()
{
    return res::LoadString(res::IDS_STARTUP_USAGE);
}

}  // namespace app
