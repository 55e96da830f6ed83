// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ZAQ device as this program knows it: the size of its EEPROM, and where its identification
// answer carries the ID.

#include <array>
#include <cstddef>
#include <cstdint>

namespace device {

struct DeviceProfile {
    std::uint32_t eepromBytes;
    // The ID is idBytes data bytes of the identification answer, from data position idFirstData
    // (counted from the answer's first data byte).
    std::size_t idFirstData;
    std::size_t idBytes;

    // Data bytes an identification answer must carry.
    constexpr std::size_t IdAnswerData() const { return idFirstData + idBytes; }
};

inline constexpr DeviceProfile kZaqProfile{256, 2, 12};

// Every ID byte as the identification answer carries them; the ID text shows only some.
using DeviceIdBytes = std::array<std::uint8_t, kZaqProfile.idBytes>;

}  // namespace device
