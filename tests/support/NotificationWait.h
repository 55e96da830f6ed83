// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Following the engine's notifications as they are posted to a recording target.

#include <cstddef>
#include <functional>

#include "tests/support/RecordingMessageTarget.h"

namespace testsupport {

// Hands each message posted after the first `seen` to `onEach` as it arrives, up to and
// including the one that carries NotifyFinished; `seen` counts them. The test fails when the
// next one does not come within 30 s.
void TakeUntilFinished(const RecordingMessageTarget& target, std::size_t& seen,
                       const std::function<void(const RecordingMessageTarget::Message&)>& onEach);

}  // namespace testsupport
