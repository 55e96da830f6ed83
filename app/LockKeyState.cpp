// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LockKeyState.h"

#include <filesystem>
#include <fstream>

namespace app {

bool ReadLockKeyLed(LockKey key, const std::string& ledsFolder)
{
    const char* suffix = key == LockKey::Caps  ? "::capslock"
                         : key == LockKey::Num ? "::numlock"
                                               : "::scrolllock";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(ledsFolder, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(suffix))
            continue;
        std::ifstream brightness(entry.path() / "brightness");
        int value = 0;
        if (brightness >> value && value > 0)
            return true;
    }
    return false;
}

}  // namespace app
