// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's wire trace: one line per event of a connection, for users whose device "does not
// wake up". The engine formats nothing unless a sink is installed.
#include <cstdint>
#include <string>

namespace device {

// Where a connection stands, for the line that tells how it ended.
enum class TraceStep {
    None,
    Pulse1,
    Pulse2,
    Start,
    Identify,
    Read,
    Write,
    Stop,
    Trailer
};

struct TracePlace {
    TraceStep step = TraceStep::None;
    std::uint32_t address = 0;  // of a read or write
    int writeStep = 0;          // 1..4 within a write
    int sentByte = 0;           // 1-based byte of the request or trailer being sent
    int answerByte = 0;         // 1-based byte of the answer being received
    bool inAnswer = false;
};

// How a connection ended, the facts its "result" line is made from.
struct TraceEnd {
    std::uint16_t result = 0;      // DeviceResult
    std::uint8_t refusalCode = 0;  // the device's reason, with ResultRefused
    TracePlace place;
};

// Calls come on the engine's worker thread, each connection's in this order: ConnectionBegan,
// its lines, ConnectionEnded. A connection cut short by the engine's destruction never ends.
class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void ConnectionBegan() {}
    // One line, without its line break.
    virtual void TraceLine(const std::string& line) = 0;
    // After the connection's last line, which tells how it ended; failed connections included.
    virtual void ConnectionEnded(const TraceEnd& /*end*/) {}
};

// "read of 0x10", "write of 0x10, step 2", "identification", ...
std::string DescribeStep(const TracePlace& place);
// How a connection ended: "no echo for wake-up pulse 1", "answer time-out in the read of 0x10,
// byte 3 of the answer", "ok", ...
std::string DescribeEnd(const TraceEnd& end);

}  // namespace device
