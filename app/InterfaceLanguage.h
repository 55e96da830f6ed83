// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>

#include <functional>
#include <string>

namespace app {

// The language the user asks for, as a lower-case code ("ru", "en", "de"): the first of
// LANGUAGE (a colon-separated list), LC_ALL, LC_MESSAGES and LANG that is set; "en" for none
// and for the C locale. `variable` reads one variable (nullptr when unset).
std::string InterfaceLanguage(const std::function<const char*(const char* name)>& variable);
std::string InterfaceLanguageFromEnvironment();

// The program's texts in a language, for as long as it lives: Russian shows every text as
// described (and Qt's own buttons in Russian); a language with a translation of its own shows
// that one; any other language shows English. Needs the application object.
class InterfaceTranslation {
public:
    explicit InterfaceTranslation(const std::string& language);
    ~InterfaceTranslation();
    InterfaceTranslation(const InterfaceTranslation&) = delete;
    InterfaceTranslation& operator=(const InterfaceTranslation&) = delete;

    // The language whose texts show: "ru" for the described texts, else the translation's.
    const QString& Language() const { return language_; }
    // The program's translation; empty for the described texts.
    const QTranslator& Program() const { return program_; }

    // The translation file of the program's texts in a language, among the program's resources.
    static QString ProgramFile(const QString& language);

private:
    QString language_;
    QTranslator program_;
    QTranslator qt_;
};

}  // namespace app
