// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog units to pixels, the way dialog templates are laid out: a horizontal unit is a quarter
// of the dialog font's average character width, a vertical unit an eighth of its height.
#include "res/DialogTemplate.h"

namespace app {

struct DialogBaseUnits {
    int cx;  // average character width, pixels
    int cy;  // character height, pixels
};

struct PixelRect {
    int x, y, width, height;
    bool operator==(const PixelRect&) const = default;
};

// a * b / c rounded half away from zero; c == 0 gives -1.
int MulDiv(int a, int b, int c);

// widthOf52 is the advance of "A".."Z" followed by "a".."z".
DialogBaseUnits BaseUnitsFromFontMetrics(int widthOf52, int height);

PixelRect MapDialogRect(const res::DlgRect& rect, DialogBaseUnits units);

}  // namespace app
