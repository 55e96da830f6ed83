// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace platform {

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

std::string UserFolder(FolderKind kind)
{
    struct Base {
        const char* variable;
        const char* underHome;
    };
    const Base base = kind == FolderKind::Config ? Base{"XDG_CONFIG_HOME", ".config"}
                      : kind == FolderKind::Data ? Base{"XDG_DATA_HOME", ".local/share"}
                                                 : Base{"XDG_STATE_HOME", ".local/state"};
    if (const char* value = std::getenv(base.variable); value && value[0] == '/')
        return value;
    return HomeFolder() + "/" + base.underHome;
}

std::string ProgramFolder(FolderKind kind)
{
    return UserFolder(kind) + "/" + kProgramFolderName;
}

}  // namespace platform
