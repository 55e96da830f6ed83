// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's wire trace: one line per event of a connection, for users whose device "does not
// wake up". The engine formats nothing unless a sink is installed.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "device/DeviceZaqTypes.h"

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

// What a connection was made for, the facts its header line is made from, so a log read days
// later tells when, what and where.
struct TraceBegin {
    std::chrono::system_clock::time_point time;
    DeviceOperation operation = OpReadId;
    std::uint32_t start = 0;
    std::uint32_t count = 0;
    // Of a write only.
    bool backup = false;  // the whole EEPROM read first, as a backup
    bool changedOnly = false;
    bool verify = false;
    std::string portName;
    std::string portPath;  // where portName leads; empty when it names no port
};

// How a connection ended, the facts its "result" line is made from.
struct TraceEnd {
    std::uint16_t result = 0;      // DeviceResult
    std::uint8_t refusalCode = 0;  // the device's reason, with ResultRefused
    TracePlace place;
    // Whether the device had been woken, so a stopped connection was closed with its stop frame
    // and trailer, and the address of the last byte done, none before the first.
    bool woken = false;
    std::optional<std::uint32_t> lastByteDone;
    // The system's error when the port itself failed (hung up, or would not take a byte): the
    // adapter went away, rather than stayed silent. 0 otherwise.
    std::uint32_t portError = 0;
    // Bytes the adapter echoed in this connection, changed ones included.
    std::uint32_t echoes = 0;
};

// Calls come on the engine's worker thread, each connection's in this order: ConnectionBegan,
// its lines, ConnectionEnded. A connection cut short by the engine's destruction never ends.
class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void ConnectionBegan(const TraceBegin& /*begin*/) {}
    // One line, without its line break.
    virtual void TraceLine(const std::string& line) = 0;
    // After the connection's last line, which tells how it ended; failed connections included.
    virtual void ConnectionEnded(const TraceEnd& /*end*/) {}
};

// The first line of a connection's trace: "2026-12-07 19:25:27 +0100  write 0x10-0x1F (16 bytes;
// changed only, verified)  port COM3 (/dev/ttyUSB0)", in local time.
std::string DescribeBegin(const TraceBegin& begin);
// "read of 0x10", "write of 0x10, step 2", "identification", ...
std::string DescribeStep(const TracePlace& place);
// How a connection ended: "no echo for wake-up pulse 1", "answer time-out in the read of 0x10,
// byte 3 of the answer", "stopped by the user after 0x24; stop frame and trailer sent", "ok", ...
std::string DescribeEnd(const TraceEnd& end);

}  // namespace device
