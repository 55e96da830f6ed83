#pragma once
// The engine's wire trace: one line per event of a connection, for users whose device "does not
// wake up". The engine formats nothing unless a sink is installed.
#include <cstdint>
#include <string>

namespace device {

class TraceSink {
public:
    virtual ~TraceSink() = default;
    // One line, without its line break, on the engine's worker thread.
    virtual void TraceLine(const std::string& line) = 0;
};

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

// "read of 0x10", "write of 0x10, step 2", "identification", ...
std::string DescribeStep(const TracePlace& place);
// How a connection ended: "no echo for wake-up pulse 1", "answer time-out in the read of 0x10,
// byte 3 of the answer", "ok", ...
std::string DescribeEnd(std::uint16_t result, std::uint8_t refusalCode, const TracePlace& place);

}  // namespace device
