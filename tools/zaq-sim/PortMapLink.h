// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Registers a device path under a COMn name in the per-user port map.

#include <string>

namespace zaqsim {

// Points COMn at target, replacing an earlier entry atomically.
bool LinkPort(const std::string& comName, const std::string& target, std::string& error);
// Removes COMn if it still points at target.
void UnlinkPort(const std::string& comName, const std::string& target);

}  // namespace zaqsim
