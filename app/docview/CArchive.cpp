// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/docview/CArchive.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QIODevice>

namespace app {

std::uint64_t CArchive::GetFileLength() const
{
    const qint64 size = file_.size();
    return size > 0 ? static_cast<std::uint64_t>(size) : 0;
}

QString CArchive::GetFileName() const
{
    if (!path_.isEmpty())
        return QFileInfo(path_).fileName();
    const auto* file = qobject_cast<const QFileDevice*>(&file_);
    return file ? QFileInfo(file->fileName()).fileName() : QString();
}

void CArchive::Write(const std::uint8_t* data, std::size_t size)
{
    if (failed_)
        return;
    const qint64 wanted = static_cast<qint64>(size);
    if (file_.write(reinterpret_cast<const char*>(data), wanted) != wanted)
        failed_ = true;
}

bool CArchive::Read(std::uint8_t* data, std::size_t size)
{
    if (failed_)
        return false;
    const qint64 wanted = static_cast<qint64>(size);
    if (file_.read(reinterpret_cast<char*>(data), wanted) != wanted)
        failed_ = true;
    return !failed_;
}

}  // namespace app
