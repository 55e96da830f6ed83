// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's texts, keyed by resource id, as described (Russian menus and buttons, English
// messages), the command-line client's included. Texts are UTF-8; format placeholders ("%1",
// "%02X", "%d") are kept as written and filled in by the caller (operation/FormatText.h).

#include "res/ResourceIds.h"

#include <string>
#include <string_view>
#include <vector>

namespace res {

// The text of a string-table entry; empty when the id has none.
std::string LoadString(ResourceId id);

// The text as the table has it, in no other language: for lines other programs read.
std::string LoadUntranslatedString(ResourceId id);

// Whether the table has an entry for the id.
bool HasString(ResourceId id);

// Every id the table has a text for, in ascending order.
std::vector<ResourceId> StringIds();

// The interface language's text for a described text (of this table, a menu or a form); the
// described text itself where the language has none, or one whose format places differ
// (res/TextPlaces.h). Installed once by a front end that offers other languages; nullptr (the
// default) keeps every text as described.
using Translation = std::string (*)(std::string_view described);
void SetTranslation(Translation translation);
// A described text in the interface language; LoadString returns its texts through it.
std::string Localize(std::string_view described);

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
