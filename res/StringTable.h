// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's texts, keyed by resource id. Texts are UTF-8; format placeholders
// ("%1", "%02X", "%d") are kept as written and filled in by the caller.

#include "res/ResourceIds.h"

#include <string>
#include <string_view>

namespace res {

// The text of a string-table entry; empty when the id has none.
std::string LoadString(ResourceId id);

// Whether the table has an entry for the id.
bool HasString(ResourceId id);

// Fields of the document string (IDR_MAINFRAME), separated by line breaks.
enum class DocumentStringField {
    WindowTitle = 0,
    DocumentName = 1,
    FileNewName = 2,
    FilterName = 3,
    FilterExtension = 4,
    FileTypeId = 5,
    FileTypeName = 6,
};

// One field of the document string; empty when the field is missing.
std::string DocumentString(DocumentStringField field);

// The part of a command prompt before the line break (status-bar text) or after it (tool tip).
std::string PromptStatusText(ResourceId commandId);
std::string PromptToolTip(ResourceId commandId);

}  // namespace res
