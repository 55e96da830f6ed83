// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings each open port had before it was opened, kept where a signal handler can reach
// them: a process that a signal ends before its ports are closed still leaves every line as it
// found it.

#include "platform/LineControl.h"

namespace platform::line {

// Kept from the port's opening to its closing. Best effort: the first 16 open ports are kept.
void RememberOpenLine(int fd, const SavedSettings& original);
void ForgetOpenLine(int fd);

// Puts the kept settings back on every port still open. Safe in a signal handler.
void RestoreOpenLines();

}  // namespace platform::line
