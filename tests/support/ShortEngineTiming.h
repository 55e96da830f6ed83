// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's wake-up and answer pause shortened so that a connection takes milliseconds.

namespace testsupport {

// On the engine itself, or on the operation::EngineTiming an operation hands it. The simulator
// checks the order and format of the wake-up, not its gaps (see ZeroGapSimOptions).
template <typename Timing>
void ShortenEngineTiming(Timing& timing)
{
    timing.pulseMs = 1;
    timing.idleAfterPulse1Ms = 20;
    timing.idleAfterPulse2Ms = 10;
    timing.pauseAfterAnswerMs = 0;
}

template <typename Timing>
Timing ShortEngineTiming()
{
    Timing timing{};
    ShortenEngineTiming(timing);
    return timing;
}

}  // namespace testsupport
