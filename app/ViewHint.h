#pragma once

#include <cstdint>

namespace app {

// What a document asks of its views in UpdateAllViews.
enum ViewHint : std::uint32_t {
    HintReload = 0,    // attach to the document's data again; also the initial update's hint
    HintBusy = 1,      // a device operation began
    HintShowId = 2,    // show the current ID text
    HintRepaint = 3,   // the data changed in place
    HintIdle = 4,      // the device operation ended
    HintSaved = 5,     // the dump was saved to its file
    HintReadDone = 6,  // a device read ended: ReadSpan() holds the bytes it covered
    // A read failed: only the bytes it did read are new; the rest of its range has its old values.
    HintReadCutShort = 7,
    // A compare or verify ended: Differences() holds what it found.
    HintDifferences = 8,
};

}  // namespace app
