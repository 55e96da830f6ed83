// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Registers a device path under a COMn name in the per-user port map.

#include <string>

namespace zaqsim {

// Points COMn at target, replacing an earlier entry atomically. Sets `createdFolder` when the
// port-map folder had to be made for it.
bool LinkPort(const std::string& comName, const std::string& target, std::string& error, bool& createdFolder);
// Removes COMn if it still points at target.
void UnlinkPort(const std::string& comName, const std::string& target);
// Removes the port-map folder if nothing is left in it: without it COMn is /dev/ttyS(n-1) again.
void RemovePortMapFolderIfEmpty();

}  // namespace zaqsim
