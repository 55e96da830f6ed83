// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store of the application: sections and entries in
// $XDG_CONFIG_HOME/<organization>/<application>.conf (~/.config when unset).
#include <QString>
#include <cstdint>

namespace app {

class CProfileSettings {
public:
    CProfileSettings(QString organization, QString application);

    QString GetProfileString(const QString& section, const QString& entry, const QString& defaultValue) const;
    std::uint32_t GetProfileInt(const QString& section, const QString& entry,
                                std::uint32_t defaultValue) const;
    // Failed writes are not reported.
    void WriteProfileString(const QString& section, const QString& entry, const QString& value);
    void WriteProfileInt(const QString& section, const QString& entry, std::uint32_t value);

    // Looked up on every access, so a changed XDG_CONFIG_HOME takes effect at once.
    QString FilePath() const;

private:
    QString organization_;
    QString application_;
};

}  // namespace app
