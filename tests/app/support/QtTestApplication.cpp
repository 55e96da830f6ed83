// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/support/QtTestApplication.h"

#include <QApplication>

void EnsureQApplication()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "probex-tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives until the process ends
}
