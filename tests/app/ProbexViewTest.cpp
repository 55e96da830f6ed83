// SPDX-License-Identifier: GPL-3.0-or-later
// The form view on its own, with a recording frame in place of the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <vector>

#include "app/CProbexDoc.h"
#include "app/CProbexView.h"
#include "app/CProfileSettings.h"
#include "app/ControlId.h"
#include "app/ViewFrame.h"
#include "app/ViewHint.h"
#include "dumpedit/widget/CDumpEdit.h"
#include "dumpedit/widget/DumpEditClasses.h"
#include "dumpedit/widget/DumpPrompts.h"
#include "dumpedit/widget/WindowClassRegistry.h"
#include "res/FormIds.h"
#include "tests/app/support/CScriptedPrompts.h"
#include "tests/app/support/QtTestApplication.h"
#include "tests/support/PtyPair.h"
#include "tests/support/TempPortMap.h"

using namespace app;

namespace {

struct CRecordingFrame : ViewFrame {
    void ShowCaretText(const QString& text) override { caretTexts.push_back(text); }
    void ShowNote(const QString& text) override { messages.push_back(text); }
    void ShowOutcome(const QString& text) override { outcomes.push_back(text); }
    void FitClientTo(QSize clientSize) override { fits.push_back(clientSize); }

    std::vector<QString> caretTexts, messages, outcomes;
    std::vector<QSize> fits;
};

const CustomControlFactory kControls = [](const std::string& name, QWidget* parent, std::uint32_t style) {
    return dumpedit::CWindowClassRegistry::Instance().Create(QString::fromStdString(name), parent, style);
};

TEST(ProbexView, TellsItsFrameTheCaretTheEditorsNotesTheOutcomeAndItsSize)
{
    EnsureQApplication();
    testsupport::TempPortMap config;  // the view keeps its settings there
    CScriptedPrompts prompts;
    dumpedit::RegisterDumpEditClasses();
    CProfileSettings settings("Velmora", "Probex");
    CProbexDoc document;
    CRecordingFrame frame;
    QWidget window;
    auto* view = new CProbexView(settings);
    view->SetFrame(&frame);
    testsupport::PtyPair port;  // a port to choose: with none, the status bar would say so
    ASSERT_TRUE(view->Create(&window, &document, kControls,
                             [&port] { return std::vector<std::string>{port.SlavePath()}; }));
    ASSERT_TRUE(document.OnFileNew());
    EXPECT_EQ(frame.fits, std::vector<QSize>{view->FormSize()});
    ASSERT_FALSE(frame.caretTexts.empty());
    EXPECT_EQ(frame.caretTexts.back(), "Addr 00  Value 00  0  00000000");

    dumpedit::CDumpEdit* editor = view->DumpEdit();
    window.show();
    QApplication::setActiveWindow(&window);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_EQ(frame.caretTexts.back(), "Addr 10  Value 00  0  00000000");

    struct NoMatch : dumpedit::IDumpPrompts {
        std::optional<QString> AskText(QWidget*, const QString&, const QString&, const QString&) override
        {
            return QStringLiteral("\"xyz\"");
        }
    } noMatch;
    editor->SetPrompts(&noMatch);
    QTest::keyClick(editor, Qt::Key_F, Qt::ControlModifier);
    editor->SetPrompts(nullptr);
    EXPECT_EQ(frame.messages, std::vector<QString>{"Not found"});

    document.UpdateAllViews(HintIdle);
    EXPECT_EQ(frame.outcomes, std::vector<QString>{QString::fromStdString(document.LastSummary())});
}

// A COM name whose link now leads to another device: the status bar says so, and the next operation
// asks before it goes there. The texts, and a name that leads to none, are ChosenPort's cases.
TEST(ProbexView, SaysWhenTheChosenPortLeadsElsewhereAndAsksBeforeUsingIt)
{
    EnsureQApplication();
    testsupport::TempPortMap config;
    CScriptedPrompts prompts;
    dumpedit::RegisterDumpEditClasses();
    CProfileSettings settings("Velmora", "Probex");
    CProbexDoc document;
    CRecordingFrame frame;
    QWidget window;
    testsupport::PtyPair first;
    testsupport::PtyPair second;
    config.Link("COM1", first.SlavePath());
    auto* view = new CProbexView(settings);
    view->SetFrame(&frame);
    ASSERT_TRUE(view->Create(&window, &document, kControls, [] { return std::vector<std::string>{}; }));
    ASSERT_TRUE(document.OnFileNew());
    ASSERT_EQ(view->ChosenPort(), "COM1");
    const auto clickReadId = [&] {
        prompts.prompts.clear();
        FindControl<QPushButton>(view, res::IDC_READ_ID)->click();
        return prompts.MessageTexts();
    };

    view->CheckChosenPort();
    EXPECT_TRUE(frame.outcomes.empty());
    config.Link("COM1", second.SlavePath());
    view->CheckChosenPort();
    view->CheckChosenPort();
    const QString change =
        QString("COM1 now leads to %1, not to %2 as when it was chosen")
            .arg(QString::fromStdString(second.SlavePath()), QString::fromStdString(first.SlavePath()));
    EXPECT_EQ(frame.outcomes, std::vector<QString>{change}) << "said once";

    prompts.QueueAnswer(MessageAnswer::No);
    EXPECT_EQ(clickReadId(), std::vector<QString>{change + "\nGo on with COM1 all the same?"});
    EXPECT_FALSE(document.IsDeviceBusy());
    prompts.QueueAnswer(MessageAnswer::Yes);
    prompts.QueueAnswer(MessageAnswer::No);
    EXPECT_EQ(clickReadId(), (std::vector<QString>{change + "\nGo on with COM1 all the same?",
                                                   "EEPROM ID will be read.\nAre you sure?"}));
    prompts.QueueAnswer(MessageAnswer::No);
    EXPECT_EQ(clickReadId(), std::vector<QString>{"EEPROM ID will be read.\nAre you sure?"})
        << "the answer holds for the device it is now";
}

// The whole dump shows in whatever room the window gives the editor, in a font as large as fits.
TEST(ProbexView, EditorFontGrowsWithTheViewAndBackToTheDesignedSize)
{
    EnsureQApplication();
    testsupport::TempPortMap config;
    CScriptedPrompts prompts;
    dumpedit::RegisterDumpEditClasses();
    CProfileSettings settings("Velmora", "Probex");
    CProbexDoc document;
    QWidget window;
    auto* view = new CProbexView(settings);
    ASSERT_TRUE(view->Create(&window, &document, kControls, [] { return std::vector<std::string>{}; }));
    ASSERT_TRUE(document.OnFileNew());
    window.show();
    dumpedit::CDumpEdit* editor = view->DumpEdit();
    const qreal designed = QFontInfo(editor->DumpFont()).pointSizeF();
    view->resize(view->FormSize());
    EXPECT_EQ(QFontInfo(editor->DumpFont()).pointSizeF(), designed);

    view->resize(view->FormSize() * 2);
    const qreal grown = QFontInfo(editor->DumpFont()).pointSizeF();
    EXPECT_GT(grown, designed);
    EXPECT_TRUE(editor->ShowsAllAt(editor->DumpFont()));
    QFont larger = editor->DumpFont();
    larger.setPointSizeF(grown + 1);
    EXPECT_FALSE(editor->ShowsAllAt(larger)) << "the largest that fits";

    view->resize(view->FormSize());
    EXPECT_EQ(QFontInfo(editor->DumpFont()).pointSizeF(), designed);
}

}  // namespace
