// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zaq-sim/PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "platform/LineControl.h"

namespace zaqsim {

PseudoTerminal::~PseudoTerminal()
{
    Close();
}

bool PseudoTerminal::Open(std::string& error)
{
    Close();
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    char path[128];
    if (ptsname_r(master_, path, sizeof path) != 0) {
        error = std::string("ptsname: ") + std::strerror(errno);
        Close();
        return false;
    }
    slavePath_ = path;
    HoldSlave();
    if (heldSlave_ < 0) {
        error = slavePath_ + ": " + std::strerror(errno);
        Close();
        return false;
    }
    platform::line::MakeRaw(heldSlave_);
    termios settings{};
    const int packetMode = 1;
    if (tcgetattr(heldSlave_, &settings) == 0) {
        settings.c_lflag |= EXTPROC;
        (void)tcsetattr(heldSlave_, TCSANOW, &settings);
    }
    if (ioctl(master_, TIOCPKT, &packetMode) != 0) {
        error = std::string("cannot put the pseudo-terminal in packet mode: ") + std::strerror(errno);
        Close();
        return false;
    }
    return true;
}

bool PseudoTerminal::ReportsSettingChanges() const
{
    termios settings{};
    return master_ >= 0 && tcgetattr(master_, &settings) == 0 && (settings.c_lflag & EXTPROC) != 0;
}

void PseudoTerminal::HoldSlave()
{
    if (heldSlave_ >= 0)
        close(heldSlave_);
    heldSlave_ = open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
}

void PseudoTerminal::Close()
{
    if (heldSlave_ >= 0)
        close(heldSlave_);
    if (master_ >= 0)
        close(master_);
    heldSlave_ = -1;
    master_ = -1;
}

}  // namespace zaqsim
