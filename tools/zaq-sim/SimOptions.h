// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the simulated adapter and device do, and which faults they inject.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zaqsim {

// How many ID bytes the device gives: the simulator's own copy, for the reason EepromImage's
// kSize gives.
inline constexpr std::size_t kIdBytes = 12;

struct SimOptions {
    std::string eepromPath;    // empty: the image lives in memory only
    std::string linkName;      // COMn, upper case, to register in the per-user port map; empty: none
    std::string logPath;       // wire log file; empty: none
    bool longAnswers = false;  // answers in the 0x80 header form
    bool byteTiming = false;   // hold every byte for its time on the wire
    // Pulses and frames are taken at whatever speed and parity the terminal shows: behind an
    // emulator's serial port the terminal carries only standard rates and no fixed parity.
    bool anyLineFormat = false;
    // What goes to the host waits in a USB serial chip for this latency timer; 0: no chip.
    std::uint32_t usbLatencyMs = 0;
    std::uint32_t responseDelayMs = 0;
    // Least gaps the device accepts: first pulse to second, second pulse to first frame. They
    // are measured when this process gets to read the bytes, which on a loaded machine can be
    // tens of milliseconds late, so they sit well below the 615 and 255 ms a client keeps.
    std::uint32_t minGap1Ms = 300;
    std::uint32_t minGap2Ms = 100;
    std::array<std::uint8_t, kIdBytes> idBytes{0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F,
                                               0x60, 0x71, 0x11, 0x22, 0x33, 0x44};
    // Faults; 0 disables. Frames and answers are counted from 1 over the simulator's life.
    bool noEcho = false;                   // adapter absent: nothing comes back at all
    std::uint32_t silentFromFrame = 0;     // the device answers no request from this one on
    std::uint32_t badChecksumAnswer = 0;   // this answer carries a wrong checksum
    std::uint32_t unplugAfterBytes = 0;    // the master closes after this many received bytes
    std::uint32_t unplugInAnswer = 0;      // this answer breaks off after 2 bytes: unplugged
    std::uint32_t refuseAnswer = 0;        // this answer is a negative one (reason kRefusalReason)
    std::uint32_t shortAnswer = 0;         // this answer carries its service byte only
    std::uint32_t corruptEcho = 0;         // this received byte (counted from 1) comes back changed
    std::uint32_t loseByte = 0;            // this received byte never reaches the line: no device, no echo
    std::vector<std::uint8_t> staleBytes;  // waiting in the client's receive queue from the start
    bool ignoreWrites = false;             // write steps answered as usual, the EEPROM kept as it is
};

// The reason code of the negative answer that --refuse sends.
inline constexpr std::uint8_t kRefusalReason = 0x22;

// Parses the program's arguments (without argv[0]); on failure returns false with a message.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

extern const char* const kSimUsage;

}  // namespace zaqsim
