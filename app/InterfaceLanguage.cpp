// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

#include <cstdlib>

#include "res/StringTable.h"

namespace app {

namespace {

const QString kDescribedLanguage = QStringLiteral("ru");
const QString kFallbackLanguage = QStringLiteral("en");
// The context of the described texts in the translation files.
constexpr char kTextContext[] = "res";

// "de_AT.UTF-8@euro" -> "de"; "" for the C locale.
std::string LanguageCode(std::string_view locale)
{
    const std::size_t end = locale.find_first_of("_.@");
    std::string code(locale.substr(0, end));
    for (char& c : code)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return code == "c" || code == "posix" ? std::string() : code;
}

std::string Translate(std::string_view described)
{
    const std::string source(described);
    return QCoreApplication::translate(kTextContext, source.c_str()).toStdString();
}

}  // namespace

std::string InterfaceLanguage(const std::function<const char*(const char* name)>& variable)
{
    if (const char* list = variable("LANGUAGE"); list && *list) {
        std::string_view rest(list);
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            if (std::string code = LanguageCode(rest.substr(0, colon)); !code.empty())
                return code;
            rest.remove_prefix(colon == std::string_view::npos ? rest.size() : colon + 1);
        }
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = variable(name); value && *value) {
            const std::string code = LanguageCode(value);
            return code.empty() ? kFallbackLanguage.toStdString() : code;
        }
    }
    return kFallbackLanguage.toStdString();
}

std::string InterfaceLanguageFromEnvironment()
{
    return InterfaceLanguage([](const char* name) { return std::getenv(name); });
}

QString InterfaceTranslation::ProgramFile(const QString& language)
{
    return QStringLiteral(":/i18n/probex_%1.qm").arg(language);
}

InterfaceTranslation::InterfaceTranslation(const std::string& language)
{
    language_ = QString::fromStdString(language);
    if (language_ != kDescribedLanguage) {
        if (!QFile::exists(ProgramFile(language_)))
            language_ = kFallbackLanguage;
        if (program_.load(ProgramFile(language_))) {
            QCoreApplication::installTranslator(&program_);
            res::SetTranslation(Translate);
        }
    }
    // Qt's own texts (Yes, No, Cancel) in the same language; English needs none.
    if (language_ != kFallbackLanguage &&
        qt_.load(QStringLiteral("qtbase_") + language_, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

InterfaceTranslation::~InterfaceTranslation()
{
    if (!program_.isEmpty()) {
        res::SetTranslation(nullptr);
        QCoreApplication::removeTranslator(&program_);
    }
    if (!qt_.isEmpty())
        QCoreApplication::removeTranslator(&qt_);
}

}  // namespace app
