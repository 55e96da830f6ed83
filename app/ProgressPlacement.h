// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace app {

// Where a status-bar progress bar goes inside its pane: after the pane's text and four space
// widths, taking percentSize percent of the width left, a tenth of the pane height free above
// and below.

struct PaneRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PaneRect&) const = default;
};

PaneRect ProgressBarRect(const PaneRect& pane, int textWidth, int spaceWidth, bool hasText, int percentSize);

}  // namespace app
