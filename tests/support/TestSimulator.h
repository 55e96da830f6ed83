// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated adapter and device as the tests run them.

#include <memory>

#include "tools/zaq-sim/Simulator.h"

namespace testsupport {

// `options` with any wake-up gaps accepted. The device's thread reads bytes when the scheduler
// lets it, so under load the gaps it sees are not the gaps on the line; the engine's timing
// suite measures those itself.
zaqsim::SimOptions ZeroGapSimOptions(zaqsim::SimOptions options = {});

// A simulator started on its pseudo-terminal; the test fails when it does not start.
std::unique_ptr<zaqsim::Simulator> StartSimulator(zaqsim::SimOptions options);

}  // namespace testsupport
