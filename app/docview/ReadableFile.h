// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a file the user chose for reading: only a regular file, so a FIFO never holds the
// window and a device is never read; the check and the reading are on one descriptor.

#include <QFile>
#include <QString>

// Opens `file` on `path` read-only; on failure returns false with the reason to show, which is
// `notRegularText` for a FIFO, a device or a folder.
bool OpenReadableFile(QFile& file, const QString& path, const QString& notRegularText, QString& reason);
