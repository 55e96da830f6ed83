// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace platform {

// Milliseconds on a monotonic clock. 64 bits: it does not wrap in the life of a process.
std::uint64_t TickCount64();

}  // namespace platform
