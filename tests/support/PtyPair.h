// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pseudo-terminal pair for serial tests: the code under test opens the slave by path (or as
// COMn through TempPortMap); the test plays the far end on the master.
#include "platform/LineControl.h"

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

class PtyPair {
public:
    // Throws std::runtime_error when no pseudo-terminal can be had. Keeps a descriptor of the
    // slave open until CloseSlaveKeeper(), so the master does not read EIO before the code
    // under test opens the slave.
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    int MasterFd() const { return master_; }
    const std::string& SlavePath() const { return slavePath_; }

    // The slave's line settings as the master sees them (TCGETS2).
    platform::line::LineSettings SlaveSettings() const;

    // Bytes for the slave's reader.
    void Send(const std::vector<std::uint8_t>& bytes);
    // Up to `count` bytes the slave wrote; fewer when none arrive for `timeoutMs`.
    std::vector<std::uint8_t> Receive(size_t count, int timeoutMs = 5000);
    // Whatever the slave wrote and is already there.
    std::vector<std::uint8_t> ReceiveAvailable();

    void CloseSlaveKeeper();
    // The far end goes away, as an unplugged adapter does.
    void CloseMaster();

private:
    int master_ = -1;
    int slaveKeeper_ = -1;
    std::string slavePath_;
};

}  // namespace testsupport
