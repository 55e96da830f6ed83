// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Caps, Num and Scroll Lock as the keyboard LEDs show them (/sys/class/leds/*::capslock ...).
// Without readable LEDs (no keyboard, a remote session) every lock reads as off.
#include <functional>
#include <string>

namespace app {

enum class LockKey {
    Caps,
    Num,
    Scroll
};

using LockKeyProbe = std::function<bool(LockKey)>;

bool ReadLockKeyLed(LockKey key, const std::string& ledsFolder = "/sys/class/leds");

}  // namespace app
