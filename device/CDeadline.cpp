#include "device/CDeadline.h"

#include "platform/Clock.h"

namespace device {

CDeadline::CDeadline(uint32_t ms)
{
    Set(ms);
}

void CDeadline::Set(uint32_t ms)
{
    deadline = platform::TickCount64() + ms;
}

bool CDeadline::Pending() const
{
    return platform::TickCount64() <= deadline;
}

}  // namespace device
