// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/CDeadline.h"

#include "platform/Clock.h"

namespace device {

CDeadline::CDeadline(std::uint32_t ms)
{
    Set(ms);
}

void CDeadline::Set(std::uint32_t ms)
{
    deadline = platform::TickCount64() + ms;
}

std::chrono::steady_clock::time_point CDeadline::Until() const
{
    // The millisecond clock counts whole milliseconds of steady_clock: it passes the deadline
    // at the start of the next one.
    return std::chrono::steady_clock::time_point(std::chrono::milliseconds(deadline + 1));
}

bool CDeadline::Pending() const
{
    return platform::TickCount64() <= deadline;
}

}  // namespace device
