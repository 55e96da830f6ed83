// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgressPlacement.h"

namespace app {

PaneRect ProgressBarRect(const PaneRect& pane, int textWidth, int spaceWidth, bool hasText, int percentSize)
{
    PaneRect bar;
    bar.left = hasText ? pane.left + textWidth + 4 * spaceWidth : pane.left;
    bar.right = pane.right - ((100 - percentSize) * (pane.right - bar.left)) / 100;
    if (bar.right < bar.left)
        bar.right = bar.left;
    const int margin = (pane.bottom - pane.top) / 10;
    bar.top = pane.top + margin;
    bar.bottom = pane.bottom - margin;
    return bar;
}

}  // namespace app
