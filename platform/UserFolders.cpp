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

std::string UserFolder(const char* variable, const char* underHome)
{
    if (const char* value = std::getenv(variable); value && value[0] == '/')
        return value;
    return HomeFolder() + "/" + underHome;
}

}  // namespace platform
