// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ParentDeath.h"

#include <csignal>
#include <sys/prctl.h>

namespace platform {

void TerminateWithParent()
{
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
}

}  // namespace platform
