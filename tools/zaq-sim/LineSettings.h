// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line settings of a pseudo-terminal's slave, as its master sees them.

#include <cstdint>
#include <string>

namespace zaqsim {

struct LineSettings {
    std::uint32_t baud = 0;
    int dataBits = 8;
    bool markSpace = false;  // CMSPAR: the parity bit is fixed (mark or space)
    bool oddParity = false;  // PARODD; with CMSPAR set this selects mark, clear selects space
    bool twoStopBits = false;

    // A wake-up pulse: a slow speed with the parity bit held at space.
    bool IsPulseFormat(std::uint32_t frameBaud) const;
    // Frames: exactly the frame speed, 8 data bits, no parity, one stop bit.
    bool IsFrameFormat(std::uint32_t frameBaud) const;
    // Duration of one character on the wire, in microseconds.
    double CharacterMicros() const;
    std::string Text() const;
};

// Reads the slave's settings through the master; false when the ioctl fails.
bool ReadLineSettings(int masterFd, LineSettings& settings);

}  // namespace zaqsim
