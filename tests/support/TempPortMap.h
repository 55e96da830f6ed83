// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A temporary XDG_CONFIG_HOME holding a port map folder, so tests name ports COMn without ever
// reaching the machine's real serial ports. Restores XDG_CONFIG_HOME when destroyed.
#include <string>

#include "tests/support/TempFolderVariable.h"

namespace testsupport {

class TempPortMap {
public:
    TempPortMap();

    // Makes `comName` ("COM3") a symbolic link to `devicePath`.
    void Link(const std::string& comName, const std::string& devicePath);
    void Unlink(const std::string& comName);
    // Without the folder, COMn means /dev/ttyS(n-1).
    void RemovePortsFolder();

    const std::string& ConfigHome() const { return configHome_.Path(); }
    std::string PortsFolder() const { return ConfigHome() + "/Velmora/ports"; }

private:
    TempFolderVariable configHome_{"XDG_CONFIG_HOME", "probex-config"};
};

}  // namespace testsupport
