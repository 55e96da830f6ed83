// SPDX-License-Identifier: GPL-3.0-or-later
// The form view on its own, with a recording frame in place of the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <chrono>
#include <vector>

#include "app/CProbexDoc.h"
#include "app/CProbexView.h"
#include "app/CProfileSettings.h"
#include "app/ViewFrame.h"
#include "app/ViewHint.h"
#include "dumpedit/widget/CDumpEdit.h"
#include "dumpedit/widget/DumpEditClasses.h"
#include "dumpedit/widget/DumpPrompts.h"
#include "dumpedit/widget/WindowClassRegistry.h"
#include "tests/app/support/CScriptedPrompts.h"
#include "tests/app/support/QtTestApplication.h"
#include "tests/support/PtyPair.h"
#include "tests/support/TempPortMap.h"

using namespace app;

namespace {

struct CRecordingFrame : ViewFrame {
    void ShowCaretText(const QString& text) override { caretTexts.push_back(text); }
    void ShowTransientMessage(const QString& text, std::chrono::milliseconds duration) override
    {
        messages.push_back(text);
        durations.push_back(duration);
    }
    void ShowOutcome(const QString& text) override { outcomes.push_back(text); }
    void FitClientTo(QSize clientSize) override { fits.push_back(clientSize); }

    std::vector<QString> caretTexts, messages, outcomes;
    std::vector<std::chrono::milliseconds> durations;
    std::vector<QSize> fits;
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
    const CustomControlFactory controls = [](const std::string& name, QWidget* parent, std::uint32_t style) {
        return dumpedit::CWindowClassRegistry::Instance().Create(QString::fromStdString(name), parent, style);
    };
    testsupport::PtyPair port;  // a port to choose: with none, the status bar would say so
    ASSERT_TRUE(view->Create(&window, &document, controls,
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
    EXPECT_EQ(frame.durations, std::vector<std::chrono::milliseconds>{std::chrono::seconds(5)});

    document.UpdateAllViews(HintIdle);
    EXPECT_EQ(frame.outcomes, std::vector<QString>{QString::fromStdString(document.LastSummary())});
}

}  // namespace
