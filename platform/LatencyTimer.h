// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The latency timer of a USB serial chip that has one (FTDI's), as its driver shows it: the
// milliseconds the chip holds received bytes before it hands them to the host.
#include <string>

namespace platform {

// The timer of the line at `devicePath` (links followed, so a COM name's map entry or a
// /dev/serial/by-id path does), from <sysfsRoot>/class/tty/<name>/device/latency_timer; -1 when
// the line has none (another chip, a built-in port, a pseudo-terminal) or it cannot be read.
// After a granted low-latency request it reads 1.
int ReadLatencyTimerMs(const std::string& devicePath, const std::string& sysfsRoot = "/sys");

}  // namespace platform
