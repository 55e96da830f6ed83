// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace dumpedit {
class CDumpEdit;
}

// A 256-byte dump in a control set up the way the main form sets up its editor: two address
// digits, both columns, 16 bytes per row, white outline and fill, red marked digits.
struct DemoDump {
    std::array<std::uint8_t, 256> bytes{};

    DemoDump();
    void Attach(dumpedit::CDumpEdit& edit);
};
