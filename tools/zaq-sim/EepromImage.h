// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated device's 256-byte EEPROM, optionally backed by a file.

#include <array>
#include <cstdint>
#include <mutex>
#include <string>

namespace zaqsim {

class EepromImage {
public:
    // Written here again on purpose, as SimOptions' kIdBytes is: the tests hold the program to
    // the simulator, so the simulator takes nothing of the device from the program's profile.
    static constexpr std::size_t kSize = 256;

    // Loads path, or creates it zeroed when missing; an empty path keeps the image in memory.
    bool Load(const std::string& path, std::string& error);
    std::uint8_t Get(std::uint8_t address) const;
    // Stores one byte and writes the whole image back to its file (replaced atomically).
    bool Put(std::uint8_t address, std::uint8_t value);
    void Fill(const std::array<std::uint8_t, kSize>& bytes);
    std::array<std::uint8_t, kSize> Bytes() const;

private:
    bool SaveLocked(std::string* error);

    mutable std::mutex mutex_;
    std::string path_;
    std::array<std::uint8_t, kSize> bytes_{};
};

}  // namespace zaqsim
