// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

#include "res/StringTable.h"

namespace app {

namespace {

const QString kFallbackLanguage = QStringLiteral("en");
// The context of the string table's, the menus' and the forms' texts in the translation files.
constexpr char kTextContext[] = "res";

std::string Translate(std::string_view described)
{
    const std::string source(described);
    return QCoreApplication::translate(kTextContext, source.c_str()).toStdString();
}

}  // namespace

QString InterfaceTranslation::ProgramFile(const QString& language)
{
    return QStringLiteral(":/i18n/probex_%1.qm").arg(language);
}

InterfaceTranslation::InterfaceTranslation(const std::string& language)
{
    language_ = QString::fromStdString(language);
    if (!QFile::exists(ProgramFile(language_)))
        language_ = kFallbackLanguage;
    if (program_.load(ProgramFile(language_))) {
        QCoreApplication::installTranslator(&program_);
        res::SetTranslation(Translate);
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
