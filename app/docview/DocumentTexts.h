// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace app {

// What the document layer says to the user, in the application's words.
struct DocumentTexts {
    QString untitled;    // the title of a document that has no file
    QString fileFilter;  // the open dialog's filter, and the save dialog's without saveFilter
    QString saveFilter;
    QString openTitle;    // the open dialog's title
    QString saveAsTitle;  // the save dialog's title
    QString saveChanges;  // the save prompt; %1: the file's name
    // A failed load or save: the first line, then the second with %1 the file and %2 the
    // system's reason.
    QString openFailed;
    QString openFailedReason;
    QString notRegularFile;  // the reason for a file that is no regular one (a FIFO, a device)
    QString saveFailed;
    QString saveFailedReason;
};

}  // namespace app
