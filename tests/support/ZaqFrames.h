// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device's request frames and the trailer as the tests expect them on the wire, checksum
// included. The checksum is summed here independently of the engine's own.

#include <cstdint>
#include <vector>

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

// `frame` followed by its checksum: the sum of its bytes, modulo 256.
Bytes WithChecksum(Bytes frame);

extern const Bytes kStartFrame;     // start of the connection
extern const Bytes kIdentifyFrame;  // read the identification
extern const Bytes kStopFrame;      // end of the connection
Bytes ReadFrame(std::uint8_t address);
// One write step: 0x63 the value, 0x62 the address, 0x61 and 0x60 commit it.
Bytes WriteStepFrame(std::uint8_t step, std::uint8_t value);
// The four write steps that commit `value` at `address`, in order.
std::vector<Bytes> WriteFrames(std::uint8_t address, std::uint8_t value);
// Sent after the stop frame; `flag` says whether this was the last operation.
Bytes Trailer(std::uint8_t flag);

bool IsReadFrame(const Bytes& frame);
bool IsWriteFrame(const Bytes& frame);  // any of the four steps

}  // namespace testsupport
