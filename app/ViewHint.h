// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/docview/UpdateHint.h"

namespace app {

// What the dump document asks of its views in UpdateAllViews.
enum ViewHint : UpdateHint {
    HintReload = kReloadHint,          // also the initial update's hint
    HintBusy = kFirstApplicationHint,  // a device operation began
    HintShowId,                        // show the current ID text
    HintRepaint,                       // the data changed in place
    HintIdle,                          // the device operation ended
    HintSaved,                         // the dump was saved to its file
    HintReadDone,                      // a device read ended: ReadSpan() holds the bytes it brought
    // A read failed: only the bytes it did read are new; the rest of its range has its old values.
    HintReadCutShort,
    // A compare or verify ended: Differences() holds what it found.
    HintDifferences,
    // The dump was compared with a file: FileComparison() says what was found.
    HintFileCompared,
};

}  // namespace app
