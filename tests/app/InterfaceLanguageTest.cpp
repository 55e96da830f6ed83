// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language: chosen from the environment, Russian as described, English otherwise.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include <map>
#include <string>
#include <vector>

#include "app/CMainFrame.h"
#include "app/ControlId.h"
#include "app/DialogBuilder.h"
#include "app/InterfaceLanguage.h"
#include "res/DialogTemplate.h"
#include "res/FormIds.h"
#include "res/FrameResources.h"
#include "res/StringTable.h"
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

TEST(InterfaceLanguage, TheFirstSetVariableChooses)
{
    using Env = std::map<std::string, std::string>;
    const std::pair<Env, std::string> cases[] = {
        {{}, "en"},
        {{{"LANG", "ru_RU.UTF-8"}}, "ru"},
        {{{"LANG", "C.UTF-8"}}, "en"},
        {{{"LANG", "POSIX"}}, "en"},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "ru_RU.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}}, "en"},
        {{{"LANG", "en_US.UTF-8"}, {"LC_ALL", "ru_UA.UTF-8"}}, "ru"},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ru:en"}}, "ru"},
        {{{"LANG", "ru_RU.UTF-8"}, {"LANGUAGE", "sr@latin:ru"}}, "sr"},
        {{{"LANG", "ru_RU.UTF-8"}, {"LANGUAGE", ""}}, "ru"},
        {{{"LANGUAGE", "C:RU"}}, "ru"},
    };
    for (const auto& c : cases) {
        const Env& env = c.first;
        const std::string& language = c.second;
        const std::string chosen = InterfaceLanguage([&env](const char* name) -> const char* {
            const auto it = env.find(name);
            return it == env.end() ? nullptr : it->second.c_str();
        });
        EXPECT_EQ(chosen, language) << (env.empty() ? "(nothing set)" : env.begin()->second);
    }
}

TEST(InterfaceLanguage, EveryDescribedTextHasAnEnglishText)
{
    EnsureQApplication();
    const std::vector<std::string> described = DescribedTexts();
    const InterfaceTranslation english("en");
    ASSERT_EQ(english.Language(), "en");
    for (const std::string& text : described) {
        const QString translated = english.Program().translate("res", text.c_str());
        EXPECT_FALSE(translated.isEmpty()) << "no English text for: " << text;
        EXPECT_FALSE(translated.contains(kCyrillic)) << text;
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
