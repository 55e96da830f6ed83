// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user folders of the XDG rules, shared by the settings, the port map, the backups, the
// connection log and the demonstration image.
#include <string>

namespace platform {

// The program's folder in each per-user base folder; also the settings' organization name.
inline constexpr char kProgramFolderName[] = "Velmora";

enum class FolderKind {
    Config,  // XDG_CONFIG_HOME, else ~/.config
    Data,    // XDG_DATA_HOME, else ~/.local/share
    State,   // XDG_STATE_HOME, else ~/.local/state
};

// $HOME, or the account's home folder when HOME is unset or empty.
std::string HomeFolder();

// The base folder of that kind: its variable when that is an absolute path (a relative one is
// ignored, as the XDG rules say), otherwise its folder in the home folder.
std::string UserFolder(FolderKind kind);

// The program's own folder in that base folder: UserFolder(kind)/Velmora.
std::string ProgramFolder(FolderKind kind);

}  // namespace platform
