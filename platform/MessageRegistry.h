// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Process-wide registry of named message numbers, the stand-in for registered window messages.
#include <cstdint>
#include <string_view>

namespace platform {

inline constexpr std::uint32_t kFirstRegisteredMessage = 0xC000;
inline constexpr std::uint32_t kLastRegisteredMessage = 0xFFFF;

// The number of the message called `name` (letters compared without case), the same for the
// life of the process; 0 for an empty name or when the range is used up. Thread-safe.
std::uint32_t RegisterMessage(std::string_view name);

}  // namespace platform
