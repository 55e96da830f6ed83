// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "dumpedit/core/DumpLayout.h"

namespace dumpedit {

struct HitResult {
    std::uint32_t index = 0;
    bool high = true;
    friend bool operator==(const HitResult&, const HitResult&) = default;
};

// Maps a client point to the byte and hex digit under it. Only the hex column is considered:
// points beside it clamp into its first or last cell. `size` must be at least 1.
HitResult HitTest(Point client, const DumpLayout& layout, std::uint32_t topRow, int hScroll,
                  std::uint32_t size, bool multiline);

}  // namespace dumpedit
