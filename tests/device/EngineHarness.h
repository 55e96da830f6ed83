// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine against zaq-sim over a real pseudo-terminal, with the timing shortened so that a
// connection takes milliseconds, and its notifications recorded.

#include <memory>
#include <string>
#include <vector>

#include "device/CDeviceZAQ.h"
#include "tests/support/RecordingMessageTarget.h"
#include "tests/support/TempPortMap.h"
#include "tests/support/TestSimulator.h"
#include "tests/support/ZaqFrames.h"
#include "tools/zaq-sim/Simulator.h"

namespace enginetest {

using Bytes = testsupport::Bytes;

struct Notice {
    std::uint16_t code;
    std::uint16_t value;
    bool operator==(const Notice&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Notice& notice);

class EngineHarness {
public:
    // `engine` replaces the plain engine, for a test that looks inside it.
    explicit EngineHarness(zaqsim::SimOptions options = testsupport::ZeroGapSimOptions(),
                           std::unique_ptr<device::CDeviceZAQ> engine = nullptr);
    ~EngineHarness();

    // The notifications of the next pass, up to and including NotifyFinished.
    std::vector<Notice> NextPass();
    // Request frames (checksum included) and trailers the device received, in order.
    std::vector<Bytes> WireFrames() const;

    testsupport::TempPortMap portMap;
    testsupport::RecordingMessageTarget target;
    std::unique_ptr<zaqsim::Simulator> sim;
    std::unique_ptr<device::CDeviceZAQ> engine;

private:
    std::size_t seen_ = 0;
};

}  // namespace enginetest
