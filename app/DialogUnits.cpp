// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DialogUnits.h"

#include <cstdint>
#include <cstdlib>

namespace app {

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t half = std::llabs(c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t quotient = (std::llabs(product) + half) / std::llabs(c);
    return static_cast<int>(negative ? -quotient : quotient);
}

DialogBaseUnits BaseUnitsFromFontMetrics(int widthOf52, int height)
{
    return {(widthOf52 / 26 + 1) / 2, height};
}

PixelRect MapDialogRect(const res::DlgRect& rect, DialogBaseUnits units)
{
    // Each field on its own, as a dialog's child windows are placed.
    return {MulDiv(rect.x, units.cx, 4), MulDiv(rect.y, units.cy, 8), MulDiv(rect.cx, units.cx, 4),
            MulDiv(rect.cy, units.cy, 8)};
}

}  // namespace app
