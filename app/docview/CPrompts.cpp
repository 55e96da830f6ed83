// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/docview/CPrompts.h"

#include "app/docview/CQtPrompts.h"

namespace app {

namespace {

CPrompts* installedPrompts = nullptr;

}  // namespace

CPrompts& Prompts()
{
    static CQtPrompts qtPrompts;
    return installedPrompts ? *installedPrompts : qtPrompts;
}

CPrompts* InstallPrompts(CPrompts* prompts)
{
    CPrompts* previous = installedPrompts;
    installedPrompts = prompts;
    return previous;
}

}  // namespace app
