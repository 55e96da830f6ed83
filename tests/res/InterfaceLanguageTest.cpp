// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language, chosen from the environment as gettext chooses it.
#include "res/InterfaceLanguage.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace {

TEST(InterfaceLanguage, TheFirstSetVariableChooses)
{
    using Env = std::map<std::string, std::string>;
    const std::pair<Env, std::string> cases[] = {
        {{}, "en"},
        {{{"LANG", "ru_RU.UTF-8"}}, "ru"},
        {{{"LANG", "C.UTF-8"}}, "en"},
        {{{"LANG", "POSIX"}}, "en"},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "ru_RU.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}}, "en"},
        {{{"LANG", "en_US.UTF-8"}, {"LC_ALL", "ru_UA.UTF-8"}}, "ru"},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ru:en"}}, "ru"},
        {{{"LANG", "ru_RU.UTF-8"}, {"LANGUAGE", "sr@latin:ru"}}, "sr"},
        {{{"LANG", "ru_RU.UTF-8"}, {"LANGUAGE", ""}}, "ru"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "C:RU"}}, "ru"},
        // The C locale keeps scripts in English whatever LANGUAGE says.
        {{{"LANGUAGE", "ru"}}, "en"},
        {{{"LANG", "ru_RU.UTF-8"}, {"LC_ALL", "C"}, {"LANGUAGE", "ru"}}, "en"},
    };
    for (const auto& c : cases) {
        const Env& env = c.first;
        const std::string chosen = res::InterfaceLanguage([&env](const char* name) -> const char* {
            const auto it = env.find(name);
            return it == env.end() ? nullptr : it->second.c_str();
        });
        std::string shown;
        for (const auto& [name, value] : env)
            shown += name + "=" + value + " ";
        EXPECT_EQ(chosen, c.second) << shown;
    }
}

}  // namespace
