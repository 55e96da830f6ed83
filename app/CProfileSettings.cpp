// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CProfileSettings.h"

#include <QSettings>

#include "platform/UserFolders.h"

namespace app {

namespace {

QString Key(const QString& section, const QString& entry)
{
    return section + QLatin1Char('/') + entry;
}

}  // namespace

CProfileSettings::CProfileSettings(QString organization, QString application)
    : organization_(std::move(organization)), application_(std::move(application))
{}

QString CProfileSettings::FilePath() const
{
    const QString base = QString::fromStdString(platform::UserFolder(platform::FolderKind::Config));
    return base + QLatin1Char('/') + organization_ + QLatin1Char('/') + application_ +
           QStringLiteral(".conf");
}

QString CProfileSettings::GetProfileString(const QString& section, const QString& entry,
                                           const QString& defaultValue) const
{
    const QSettings store(FilePath(), QSettings::IniFormat);
    return store.value(Key(section, entry), defaultValue).toString();
}

std::uint32_t CProfileSettings::GetProfileInt(const QString& section, const QString& entry,
                                              std::uint32_t defaultValue) const
{
    const QSettings store(FilePath(), QSettings::IniFormat);
    bool ok = false;
    // Stored as decimal text; a negative number reads back as its 32-bit pattern.
    const qlonglong value = store.value(Key(section, entry)).toLongLong(&ok);
    return ok ? static_cast<std::uint32_t>(value) : defaultValue;
}

void CProfileSettings::WriteProfileString(const QString& section, const QString& entry, const QString& value)
{
    QSettings store(FilePath(), QSettings::IniFormat);
    store.setValue(Key(section, entry), value);
}

void CProfileSettings::WriteProfileInt(const QString& section, const QString& entry, std::uint32_t value)
{
    QSettings store(FilePath(), QSettings::IniFormat);
    store.setValue(Key(section, entry), static_cast<qulonglong>(value));
}

}  // namespace app
