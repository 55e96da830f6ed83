// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "dumpedit/core/DumpLayout.h"

namespace dumpedit {

// Where the caret goes for a byte and digit: one digit cell, one pixel below the row top,
// cut at the text rectangle (with 2 pixels of slack on either side). Empty when the byte is
// not in a visible row or its cell lies wholly beside the text.
std::optional<Rect> CaretRect(std::uint32_t pos, bool high, const DumpLayout& layout, std::uint32_t topRow,
                              int hScroll);

}  // namespace dumpedit
