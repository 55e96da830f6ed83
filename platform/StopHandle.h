// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a wait takes beside a port so that it can end early: a descriptor that turns readable
// (POSIX), or an event that turns signalled (Windows). StopSignal hands one out.

namespace platform {

#ifdef _WIN32
using StopHandle = void*;
// NOLINTNEXTLINE(misc-misplaced-const): the handle itself is what stays constant.
inline constexpr StopHandle kNoStopHandle = nullptr;
#else
using StopHandle = int;
inline constexpr StopHandle kNoStopHandle = -1;
#endif

}  // namespace platform
