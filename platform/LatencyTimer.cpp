// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LatencyTimer.h"

#include <filesystem>
#include <fstream>

namespace platform {

int ReadLatencyTimerMs(const std::string& devicePath, const std::string& sysfsRoot)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path device = fs::canonical(devicePath, ec);
    if (ec)
        return -1;
    std::ifstream file(fs::path(sysfsRoot) / "class" / "tty" / device.filename() / "device" /
                       "latency_timer");
    int milliseconds = -1;
    if (!(file >> milliseconds) || milliseconds < 0)
        return -1;
    return milliseconds;
}

}  // namespace platform
