// SPDX-License-Identifier: GPL-3.0-or-later
// The program's per-user folders: in the XDG base folder when its variable is absolute, else in
// the home folder.
#include "platform/UserFolders.h"
#include "tests/support/TempFolderVariable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

namespace {

using platform::FolderKind;

TEST(UserFolders, ProgramFolderFollowsAnAbsoluteXdgVariableElseHome)
{
    const testsupport::TempFolderVariable home("HOME", "probex-home");
    const std::tuple<FolderKind, const char*, const char*> cases[] = {
        {FolderKind::Config, "XDG_CONFIG_HOME", "/.config/Velmora"},
        {FolderKind::Data, "XDG_DATA_HOME", "/.local/share/Velmora"},
        {FolderKind::State, "XDG_STATE_HOME", "/.local/state/Velmora"},
    };
    for (const auto& [kind, variable, underHome] : cases) {
        const testsupport::TempFolderVariable xdg(variable, "probex-xdg");
        EXPECT_EQ(platform::ProgramFolder(kind), xdg.Path() + "/Velmora") << variable;
        ::setenv(variable, "relative/ignored", 1);
        EXPECT_EQ(platform::ProgramFolder(kind), home.Path() + underHome) << variable;
        ::unsetenv(variable);
        EXPECT_EQ(platform::ProgramFolder(kind), home.Path() + underHome) << variable;
    }
}

}  // namespace
