// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DocumentTextsFromStringTable.h"

#include "app/ResourceText.h"
#include "res/StringTable.h"

namespace app {

DocumentTexts DocumentTextsFromStringTable()
{
    return {
        .untitled = QString::fromStdString(res::DocumentString(res::DocumentStringField::DocumentName)),
        .fileFilter = LoadText(res::IDS_ALL_FILES_FILTER),
        .saveFilter = LoadText(res::IDS_DUMP_FILTER),
        .openTitle = LoadText(res::IDS_OPEN_TITLE),
        .saveAsTitle = LoadText(res::IDS_SAVE_AS_TITLE),
        .saveChanges = LoadText(res::IDS_SAVE_CHANGES),
        .openFailed = LoadText(res::IDS_FAILED_TO_OPEN_DOC),
        .openFailedReason = LoadText(res::IDS_FILE_OPEN_REASON),
        .notRegularFile = LoadText(res::IDS_FILE_NOT_REGULAR),
        .saveFailed = LoadText(res::IDS_FAILED_TO_SAVE_DOC),
        .saveFailedReason = LoadText(res::IDS_FILE_SAVE_REASON),
    };
}

}  // namespace app
