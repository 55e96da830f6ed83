// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/docview/DocumentTexts.h"

namespace app {

// The document layer's texts as the string table words them.
DocumentTexts DocumentTextsFromStringTable();

}  // namespace app
