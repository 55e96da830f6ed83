// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/PtyPair.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace testsupport {

PtyPair::PtyPair()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error("no pseudo-terminal available");
    char name[128];
    if (ptsname_r(master_, name, sizeof name) != 0)
        throw std::runtime_error("pseudo-terminal has no slave name");
    slavePath_ = name;
    slaveKeeper_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveKeeper_ < 0)
        throw std::runtime_error("cannot open pseudo-terminal slave");
}

PtyPair::~PtyPair()
{
    CloseSlaveKeeper();
    CloseMaster();
}

platform::line::LineSettings PtyPair::SlaveSettings() const
{
    platform::line::LineSettings settings;
    if (platform::line::ReadLineSettings(master_, settings) != 0)
        throw std::runtime_error("TCGETS2 on the master failed");
    return settings;
}

void PtyPair::Send(const std::vector<std::uint8_t>& bytes)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + sent, bytes.size() - sent);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("write to the master failed");
        }
        sent += static_cast<size_t>(n);
    }
}

std::vector<std::uint8_t> PtyPair::Receive(size_t count, int timeoutMs)
{
    std::vector<std::uint8_t> bytes;
    while (bytes.size() < count) {
        pollfd fd{master_, POLLIN, 0};
        if (::poll(&fd, 1, timeoutMs) <= 0 || !(fd.revents & POLLIN))
            break;
        std::uint8_t chunk[256];
        const ssize_t n = ::read(master_, chunk, std::min(sizeof chunk, count - bytes.size()));
        if (n <= 0)
            break;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
}

std::vector<std::uint8_t> PtyPair::ReceiveAvailable()
{
    return Receive(SIZE_MAX, 0);
}

void PtyPair::CloseSlaveKeeper()
{
    if (slaveKeeper_ >= 0)
        ::close(slaveKeeper_);
    slaveKeeper_ = -1;
}

void PtyPair::CloseMaster()
{
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}

}  // namespace testsupport
