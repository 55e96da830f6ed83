// SPDX-License-Identifier: GPL-3.0-or-later
// The interface languages: every text in each translation file, Russian keeping the window's own
// texts, English for any other language.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include <string>
#include <utility>
#include <vector>

#include "app/CMainFrame.h"
#include "app/ControlId.h"
#include "app/DialogBuilder.h"
#include "app/InterfaceLanguage.h"
#include "app/ResourceText.h"
#include "res/DialogTemplate.h"
#include "res/FormIds.h"
#include "res/FrameResources.h"
#include "res/StringTable.h"
#include "res/TextPlaces.h"
#include "tests/app/support/QtTestApplication.h"

using namespace app;

namespace {

// Every text of the interface as described: the string table, the menus and the forms.
std::vector<std::string> DescribedTexts()
{
    std::vector<std::string> texts;
    for (const res::ResourceId id : res::StringIds())
        texts.push_back(res::LoadString(id));
    const auto addMenu = [&](const auto& self, const std::vector<res::MenuItem>& items) -> void {
        for (const res::MenuItem& item : items) {
            if (!item.text.empty())
                texts.push_back(item.text);
            self(self, item.popup);
        }
    };
    addMenu(addMenu, res::MainMenu());
    for (const res::DialogTemplate* dialog : {&res::FormTemplate(), &res::AboutTemplate()}) {
        if (!dialog->caption.empty())
            texts.push_back(dialog->caption);
        for (const res::DialogControl& control : dialog->controls) {
            if (!control.text.empty())
                texts.push_back(control.text);
        }
    }
    return texts;
}

struct SourceText {
    std::string context;
    std::string source;
};

// The texts of the Qt code's tr() calls, as lupdate finds them in app/ and dumpedit/.
std::vector<SourceText> TrTexts()
{
    std::vector<SourceText> texts;
    QFile file(QStringLiteral(PROBEX_TR_TEXTS));
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    std::string context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QStringLiteral("name")) {
            context = xml.readElementText().toStdString();
        } else if (xml.name() == QStringLiteral("source")) {
            texts.push_back({context, xml.readElementText().toStdString()});
        }
    }
    return texts;
}

// Every text of the program in its translation context.
std::vector<SourceText> ProgramTexts()
{
    std::vector<SourceText> texts;
    for (std::string& text : DescribedTexts())
        texts.push_back({"res", std::move(text)});
    for (SourceText& text : TrTexts())
        texts.push_back(std::move(text));
    return texts;
}

std::string XmlText(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped().replace('\'', QStringLiteral("&apos;")).toStdString();
}

// The entry a translation file lacks, to fill in.
std::string TsEntry(const std::string& context, const std::string& source)
{
    return "\n<context><name>" + context + "</name>\n    <message>\n        <source>" + XmlText(source) +
           "</source>\n        <translation></translation>\n    </message>\n</context>";
}

QStringList MenuTitles(const CMainFrame& frame)
{
    QStringList titles;
    for (QAction* menu : frame.menuBar()->actions())
        titles << menu->text();
    return titles;
}

QString FormButtonText(res::ResourceId id)
{
    QWidget form;
    CreateDialogControls(&form, res::FormTemplate(), [](const std::string&, QWidget* parent, std::uint32_t) {
        return new QWidget(parent);
    });
    return FindControl<QPushButton>(&form, id)->text();
}

QString YesButtonText()
{
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

const QRegularExpression kCyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));

}  // namespace

// Every language's translation file, by the list of texts it lacks (empty when it has them all),
// each with a ready-made entry to paste into the file (README.md, "Interface language"); and every text
// whose translation lost or changed a format place.
TEST(InterfaceLanguage, EachTranslationHasEveryTextWithItsPlaces)
{
    EnsureQApplication();
    ASSERT_FALSE(TrTexts().empty()) << "no tr() texts in " << PROBEX_TR_TEXTS;
    const std::vector<SourceText> texts = ProgramTexts();
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("probex_*.qm")});
    ASSERT_TRUE(files.contains("probex_en.qm") && files.contains("probex_ru.qm"))
        << files.join(' ').toStdString();
    for (const QString& file : files) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/") + file));
        std::string lacking;
        std::string placesLost;
        for (const auto& [context, source] : texts) {
            const QString translation = translator.translate(context.c_str(), source.c_str());
            if (translation.isEmpty()) {
                lacking += TsEntry(context, source);
            } else if (!res::KeepsPlaces(source, translation.toStdString())) {
                placesLost += "\n  " + source + "\n  -> " + translation.toStdString();
            }
        }
        EXPECT_TRUE(lacking.empty()) << file.toStdString() << " lacks these texts:" << lacking;
        EXPECT_TRUE(placesLost.empty())
            << file.toStdString() << ": these translations lost a format place:" << placesLost;
    }
}

TEST(InterfaceLanguage, EnglishHasNoRussianText)
{
    EnsureQApplication();
    const InterfaceTranslation english("en");
    ASSERT_EQ(english.Language(), "en");
    for (const auto& [context, source] : ProgramTexts()) {
        const QString translated = english.Program().translate(context.c_str(), source.c_str());
        EXPECT_FALSE(translated.contains(kCyrillic)) << source;
    }
}

TEST(InterfaceLanguage, RussianKeepsTheDescribedTextsAndAnyOtherShowsEnglish)
{
    EnsureQApplication();
    {
        const InterfaceTranslation russian("ru");
        EXPECT_EQ(russian.Language(), "ru");
        CMainFrame frame;
        ASSERT_TRUE(frame.Create());
        EXPECT_EQ(MenuTitles(frame), (QStringList{"&Фаил", "&Правка", "&Вид", "&Инфо"}));
        EXPECT_EQ(FormButtonText(res::IDC_READ), "Чтение");
        EXPECT_EQ(res::LoadString(res::IDS_WRONG_FILE_SIZE), "Wrong file size!");
        EXPECT_EQ(frame.GetAction(res::ID_FILE_NEW)->text(), "&New\tCtrl+N");
        // The texts added since are Russian.
        EXPECT_TRUE(frame.GetAction(res::ID_VIEW_CHECK_ADAPTER)->text().contains(kCyrillic));
        EXPECT_TRUE(LoadText(res::IDS_CONNECTION_LOG_TITLE).contains(kCyrillic));
        EXPECT_TRUE(QCoreApplication::translate("dumpedit::CDumpEdit", "Not found").contains(kCyrillic));
        EXPECT_TRUE(YesButtonText().contains(kCyrillic)) << "Qt's own buttons in Russian";
    }
    for (const std::string language : {"en", "de"}) {
        const InterfaceTranslation other(language);
        EXPECT_EQ(other.Language(), "en") << language;
        CMainFrame frame;
        ASSERT_TRUE(frame.Create());
        EXPECT_EQ(MenuTitles(frame), (QStringList{"&File", "&Edit", "&View", "&Help"}));
        EXPECT_EQ(frame.GetAction(res::ID_VIEW_VERIFY_WRITE)->text(), "&Verify after Write");
        EXPECT_EQ(FormButtonText(res::IDC_READ), "Read");
        EXPECT_EQ(FormButtonText(res::IDC_STOP), "Stop");
        EXPECT_EQ(res::LoadString(res::IDS_WRONG_FILE_SIZE), "Wrong file size!");
        EXPECT_EQ(YesButtonText(), "&Yes");
    }
    // Gone with the translation: the described texts again.
    EXPECT_EQ(FormButtonText(res::IDC_READ), "Чтение");
}
