// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's trace lines, handed from its worker to the main thread, which writes them out
// beside its other output.

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "device/DeviceTrace.h"

namespace probexcli {

class TraceQueue : public device::TraceSink {
public:
    // The connection's header line, first.
    void ConnectionBegan(const device::TraceBegin& begin) override;
    void TraceLine(const std::string& line) override;
    // Writes the lines that have come so far, in order, and flushes.
    void DrainTo(std::ostream& out);

private:
    std::mutex mutex_;
    std::vector<std::string> lines_;
};

}  // namespace probexcli
