// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The master side of a pseudo-terminal, with the simulator's own hold on the slave.

#include <string>

namespace zaqsim {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Creates the pair and makes the line raw, so nothing is echoed or translated by the
    // terminal itself before a client configures it. The master reads in packet mode: each read
    // starts with a status byte, and every change of the slave's settings arrives as one (the
    // slave carries EXTPROC for that, which a raw line ignores).
    bool Open(std::string& error);
    // False once a client has cleared EXTPROC: changes of the settings are no longer reported.
    bool ReportsSettingChanges() const;
    // Closes both sides: to a client this is the adapter being unplugged.
    void Close();
    bool IsOpen() const { return master_ >= 0; }
    int MasterFd() const { return master_; }
    const std::string& SlavePath() const { return slavePath_; }
    // Takes the hold on the slave again after every client has closed it (the master then
    // reports EIO until some slave descriptor is open).
    void HoldSlave();

private:
    int master_ = -1;
    int heldSlave_ = -1;
    std::string slavePath_;
};

}  // namespace zaqsim
