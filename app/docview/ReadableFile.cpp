// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/docview/ReadableFile.h"

#include "platform/RegularFile.h"

#include <system_error>

bool OpenReadableFile(QFile& file, const QString& path, const QString& notRegularText, QString& reason)
{
    std::error_code refused;
    // UTF-8, which platform takes on every system (QFile::encodeName is the ANSI code page on Windows).
    const int fd = platform::OpenRegularFile(path.toStdString(), platform::FileUse::Read, refused);
    file.setFileName(path);
    if (fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    reason = refused == platform::FileRefusal::NotRegular ? notRegularText
             : refused                                    ? QString::fromLocal8Bit(refused.message())
                                                          : file.errorString();
    platform::CloseFile(fd);
    return false;
}
