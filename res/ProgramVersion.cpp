// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/ProgramVersion.h"

namespace res {

std::string_view ProgramVersion()
{
    return PROBEX_VERSION;  // defined by the build from project(VERSION), the only place it is written
}

std::string VersionText(std::string_view program)
{
    std::string text(program);
    text += ' ';
    text += ProgramVersion();
    text += "\n"
            "Copyright (C) 2026 Velmora\n"
            "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
            "This is free software: you are free to change and redistribute it.\n"
            "There is NO WARRANTY, to the extent permitted by law.\n";
    return text;
}

}  // namespace res
