// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A temporary XDG_CONFIG_HOME holding a port map folder, so tests name ports COMn without ever
// reaching the machine's real serial ports. Restores XDG_CONFIG_HOME when destroyed.
#include <string>

namespace testsupport {

class TempPortMap {
public:
    TempPortMap();
    ~TempPortMap();
    TempPortMap(const TempPortMap&) = delete;
    TempPortMap& operator=(const TempPortMap&) = delete;

    // Makes `comName` ("COM3") a symbolic link to `devicePath`.
    void Link(const std::string& comName, const std::string& devicePath);
    void Unlink(const std::string& comName);
    // Without the folder, COMn means /dev/ttyS(n-1).
    void RemovePortsFolder();

    const std::string& ConfigHome() const { return configHome_; }
    std::string PortsFolder() const { return configHome_ + "/Velmora/ports"; }

private:
    std::string configHome_;
    bool hadPrevious_ = false;
    std::string previous_;
};

}  // namespace testsupport
