// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For a helper process: it is sent SIGTERM when the process that started it ends, however that
// ends, so a killed program leaves no helper behind.

namespace platform {

// Call in the child between fork and exec. Safe there: one system call.
void TerminateWithParent();

}  // namespace platform
