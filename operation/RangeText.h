// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts that name the addresses of a range: what a write did, what a verify or compare found.
// Shared by the window application and probex-cli.

#include <cstdint>
#include <string>
#include <vector>

namespace operation {

// Addresses in hex, runs of neighbours joined: "00 - 55, 7F".
std::string AddressRuns(const std::vector<std::uint32_t>& addresses);

// For a write that did not finish, from the engine's byteState (device::ByteStateFlag) over the
// range: "Bytes 00 - 55 were written, 56 - FF were not.", "No byte was written.", or, when every
// planned byte was written, that the read-back did not finish. A byte whose write was cut after
// its last step went out is named apart, as possibly written.
std::string WriteAccountText(const std::uint8_t* byteState, std::uint32_t start, std::uint32_t count);

// The addresses whose byteState has ByteDiffers, in order.
std::vector<std::uint32_t> DifferingAddresses(const std::uint8_t* byteState, std::uint32_t start,
                                              std::uint32_t count);

// "3 bytes differ: 10, 11, 7F", "1 byte differs: 10", "No byte differs (256 compared)".
std::string DifferenceCountText(const std::vector<std::uint32_t>& differing, std::uint32_t compared);

// "0x10: wrote AB, read 00".
std::string VerifyDifferenceText(std::uint32_t address, std::uint8_t wrote, std::uint8_t read);

}  // namespace operation
