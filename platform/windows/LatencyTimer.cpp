// SPDX-License-Identifier: GPL-3.0-or-later
// Windows shows no latency timer to a program: an FTDI chip's is a setting of its driver, in the
// Device Manager. So no line has one here.
#include "platform/LatencyTimer.h"

namespace platform {

int ReadLatencyTimerMs(const std::string&, const std::string&)
{
    return -1;
}

}  // namespace platform
