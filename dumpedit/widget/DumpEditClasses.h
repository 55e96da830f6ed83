// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace dumpedit {

// Registers the window classes "CDumpEdit" and "CDumpEdit_SC" (each only once), both creating a
// CDumpEdit owned by its parent with the given window style.
void RegisterDumpEditClasses();

}  // namespace dumpedit
