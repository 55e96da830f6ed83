// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace dumpedit {

// Fixed pitch as the font database reports it, or, where fontconfig leaves the spacing
// unset (some monospaced families), as equal advances of narrow and wide glyphs.
bool IsFixedPitchFont(const QFont& font);

// A copy of `font` whose glyph advance is a whole number of pixels, so row texts drawn in one
// call stay on the character grid the layout computes from the width of "0".
QFont GridAlignedFont(const QFont& font);

// The system's fixed font, aligned to the pixel grid.
QFont DefaultDumpFont();

}  // namespace dumpedit
