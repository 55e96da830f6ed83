// SPDX-License-Identifier: GPL-3.0-or-later
// Windows has no signal for a parent's end, and no helper process is started there (the simulator
// needs pseudo-terminals): nothing to do.
#include "platform/ParentDeath.h"

namespace platform {

void TerminateWithParent() {}

}  // namespace platform
