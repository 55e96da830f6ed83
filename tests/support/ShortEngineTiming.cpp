// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ShortEngineTiming.h"

namespace testsupport {

void ShortenEngineTiming(device::CDeviceZAQ& engine)
{
    engine.pulseMs = 1;
    engine.idleAfterPulse1Ms = 20;
    engine.idleAfterPulse2Ms = 10;
    engine.pauseAfterAnswerMs = 0;
}

}  // namespace testsupport
