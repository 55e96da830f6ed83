// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time-out entry's text to a number of seconds: leading blanks skipped, the decimal digits
// that follow taken, anything after them ignored.
#include <cstdint>
#include <optional>
#include <string_view>

namespace app {

inline constexpr std::size_t kTimeoutTextLimit = 63;  // characters of the entry that are looked at

// nullopt when no digit follows the blanks. Values beyond 32 bits saturate.
std::optional<std::uint32_t> ParseLeadingUnsigned(std::string_view text);

}  // namespace app
