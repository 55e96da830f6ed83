// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A temporary XDG_DATA_HOME, so the backups a test takes land in a folder of its own.
#include <string>

#include "tests/support/TempFolderVariable.h"

namespace testsupport {

class TempDataHome {
public:
    const std::string& Path() const { return folder_.Path(); }
    std::string BackupsFolder() const { return Path() + "/Velmora/backups"; }

private:
    TempFolderVariable folder_{"XDG_DATA_HOME", "probex-data"};
};

}  // namespace testsupport
