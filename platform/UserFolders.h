// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user base folders of the XDG rules, shared by the settings, the port map, the backups
// and the connection log.
#include <string>

namespace platform {

// $HOME, or the account's home folder when HOME is unset or empty.
std::string HomeFolder();

// The value of `variable` (XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_STATE_HOME) when it is an absolute
// path; a relative one is ignored, as the XDG rules say. Otherwise `underHome` in the home folder
// (".config", ".local/share", ".local/state").
std::string UserFolder(const char* variable, const char* underHome);

}  // namespace platform
