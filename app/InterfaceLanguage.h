// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>

#include <string>

#include "res/InterfaceLanguage.h"

namespace app {

using res::InterfaceLanguageFromEnvironment;

// The program's texts in a language, for as long as it lives: a language with a translation file
// shows that one (Russian keeps the window's own Russian and English texts and translates the
// others), any other language shows English; Qt's own buttons follow. Needs the application object.
class InterfaceTranslation {
public:
    explicit InterfaceTranslation(const std::string& language);
    ~InterfaceTranslation();
    InterfaceTranslation(const InterfaceTranslation&) = delete;
    InterfaceTranslation& operator=(const InterfaceTranslation&) = delete;

    // The language whose texts show: the translation's.
    const QString& Language() const { return language_; }
    // The program's translation.
    const QTranslator& Program() const { return program_; }

    // The translation file of the program's texts in a language, among the program's resources.
    static QString ProgramFile(const QString& language);

private:
    QString language_;
    QTranslator program_;
    QTranslator qt_;
};

}  // namespace app
