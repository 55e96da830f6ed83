// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's wake-up and answer pause shortened so that a connection takes milliseconds.

#include "device/CDeviceZAQ.h"

namespace testsupport {

// The simulator checks the order and format of the wake-up, not its gaps (see ZeroGapSimOptions).
void ShortenEngineTiming(device::CDeviceZAQ& engine);

}  // namespace testsupport
