// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one QApplication of a test program, created on first use (offscreen under ctest).
void EnsureQApplication();
