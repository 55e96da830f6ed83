// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/docview/CPrompts.h"
#include "res/ResourceIds.h"

#include <QString>

namespace app {

// A string-table text as a QString.
QString LoadText(res::ResourceId id);
// A message box showing a string-table text.
MessageAnswer ShowMessage(res::ResourceId textId, MessageButtons buttons, MessageIcon icon);

}  // namespace app
