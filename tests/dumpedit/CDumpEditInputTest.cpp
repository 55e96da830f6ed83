// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimerEvent>
#include <QVBoxLayout>

#include <array>
#include <numeric>

#include "tests/dumpedit/DumpEditTestSupport.h"

using namespace dumpedit_test;

namespace {

struct DumpEditInput : ::testing::Test {
    std::array<quint8, 256> bytes{};
    std::unique_ptr<dumpedit::CDumpEdit> edit;

    void SetUp() override
    {
        App();
        std::iota(bytes.begin(), bytes.end(), quint8{0});
        edit = MakeEdit(bytes.data(), 256, {600, 320});
        edit->SetControlId(1007);
        ShowFocused(*edit);
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(edit.get(), static_cast<Qt::Key>(key), modifiers);
        }
    }
    void Type(const char* text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        for (const char* c = text; *c != '\0'; ++c) {
            QTest::keyClick(edit.get(), *c, modifiers);
        }
    }
    // Puts the caret on a byte's high digit with the keyboard.
    void CaretTo(quint32 pos)
    {
        Key(Qt::Key_Home);
        Key(Qt::Key_Right, Qt::NoModifier, static_cast<int>(2 * pos));
        ASSERT_EQ(edit->CaretPos(), pos);
        ASSERT_TRUE(edit->CaretHigh());
    }
    std::pair<quint32, quint32> Selection() const
    {
        quint32 first = 0, last = 0;
        edit->GetSelection(first, last);
        return {first, last};
    }
    void TimerTick()
    {
        QTimerEvent tick(edit->AutoScrollTimerId());
        QApplication::sendEvent(edit.get(), &tick);
    }
};

}  // namespace

TEST_F(DumpEditInput, TwoDigitsOverwriteAByteAndMoveOn)
{
    CaretTo(5);
    QSignalSpy changes(edit.get(), &dumpedit::CDumpEdit::Changed);
    Type("3");
    EXPECT_EQ(bytes[5], 0x35);
    EXPECT_EQ(edit->CaretPos(), 5u);
    EXPECT_FALSE(edit->CaretHigh());
    Type("c");
    EXPECT_EQ(bytes[5], 0x3C);
    EXPECT_EQ(edit->CaretPos(), 6u);
    EXPECT_TRUE(edit->CaretHigh());
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes.at(0).at(0).toInt(), 1007);
    EXPECT_EQ(bytes[6], 0x06);
    // Upper-case digits count too.
    Type("AF");
    EXPECT_EQ(bytes[6], 0xAF);
}

TEST_F(DumpEditInput, NonDigitsAndEditingKeysChangeNothing)
{
    CaretTo(9);
    QSignalSpy changes(edit.get(), &dumpedit::CDumpEdit::Changed);
    const auto before = bytes;
    Type("gxz /:@");
    for (const int key :
         {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Insert, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        Key(key);
    }
    EXPECT_EQ(bytes, before);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(edit->CaretPos(), 9u);
    EXPECT_TRUE(edit->CaretHigh());
}

TEST_F(DumpEditInput, ReadOnlyControlIgnoresDigits)
{
    edit->SetReadOnly(true, true);
    QSignalSpy changes(edit.get(), &dumpedit::CDumpEdit::Changed);
    Type("ff");
    EXPECT_EQ(bytes[0], 0x00);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(edit->CaretPos(), 0u);
}

TEST_F(DumpEditInput, ArrowsStopAtTheBufferEnds)
{
    Key(Qt::Key_End);
    EXPECT_EQ(edit->CaretPos(), 255u);
    EXPECT_FALSE(edit->CaretHigh());
    Key(Qt::Key_Right);
    EXPECT_EQ(edit->CaretPos(), 255u);
    EXPECT_FALSE(edit->CaretHigh());
    // Digits on the last low digit keep overwriting it.
    Type("12");
    EXPECT_EQ(bytes[255], 0xF2);
    EXPECT_EQ(edit->CaretPos(), 255u);
    EXPECT_FALSE(edit->CaretHigh());

    Key(Qt::Key_Home);
    EXPECT_EQ(edit->CaretPos(), 0u);
    EXPECT_TRUE(edit->CaretHigh());
    Key(Qt::Key_Left);
    EXPECT_EQ(edit->CaretPos(), 0u);
    EXPECT_TRUE(edit->CaretHigh());
}

TEST_F(DumpEditInput, RowAndPageKeys)
{
    edit->resize(600, 5 * edit->Layout().lineHeight + 14);
    Settle();
    ASSERT_EQ(edit->Layout().visibleRows, 6u);
    CaretTo(3);
    Key(Qt::Key_Up);
    EXPECT_EQ(edit->CaretPos(), 0u);
    EXPECT_TRUE(edit->CaretHigh());
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    EXPECT_EQ(edit->CaretPos(), 16u);
    EXPECT_FALSE(edit->CaretHigh());
    Key(Qt::Key_PageDown);
    EXPECT_EQ(edit->CaretPos(), 16u + 5 * 16);
    EXPECT_FALSE(edit->CaretHigh());
    Key(Qt::Key_PageUp);
    EXPECT_EQ(edit->CaretPos(), 16u);
    Key(Qt::Key_Left);
    EXPECT_EQ(edit->CaretPos(), 16u);
    EXPECT_TRUE(edit->CaretHigh());
    Key(Qt::Key_Left);
    EXPECT_EQ(edit->CaretPos(), 15u);
    EXPECT_FALSE(edit->CaretHigh());
}

TEST_F(DumpEditInput, CaretMovesScrollItIntoView)
{
    edit->resize(600, 5 * edit->Layout().lineHeight + 10);
    Settle();
    Key(Qt::Key_End);
    EXPECT_EQ(edit->TopRow(), edit->Layout().maxTopRow);
    EXPECT_FALSE(edit->CaretRect().isEmpty());
    Key(Qt::Key_Home);
    EXPECT_EQ(edit->TopRow(), 0u);
    EXPECT_FALSE(edit->CaretRect().isEmpty());
}

TEST_F(DumpEditInput, ShiftArrowsSelectFromTheAnchor)
{
    CaretTo(2);
    const std::array<std::pair<quint32, bool>, 4> steps = {{{2, false}, {3, true}, {3, false}, {4, true}}};
    for (const auto& [pos, high] : steps) {
        Key(Qt::Key_Right, Qt::ShiftModifier);
        EXPECT_EQ(edit->CaretPos(), pos);
        EXPECT_EQ(edit->CaretHigh(), high);
    }
    EXPECT_EQ(Selection(), std::make_pair(2u, 4u));
    // Back over the anchor: the anchor stays the fixed end.
    Key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(Selection(), std::make_pair(0u, 2u));
    // Plain Right from byte 0's high digit clears it; Shift anchors anew at the caret.
    Key(Qt::Key_Right);
    EXPECT_FALSE(edit->HasSelection());
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Selection(), std::make_pair(0u, 1u));
}

TEST_F(DumpEditInput, ShiftTypedDigitsExtendTheSelection)
{
    CaretTo(2);
    QTest::keyClick(edit.get(), Qt::Key_C, Qt::ShiftModifier);
    QTest::keyClick(edit.get(), Qt::Key_D, Qt::ShiftModifier);
    EXPECT_EQ(bytes[2], 0xCD);
    EXPECT_EQ(edit->CaretPos(), 3u);
    EXPECT_EQ(Selection(), std::make_pair(2u, 3u));
    // A digit without Shift clears it.
    Type("1");
    EXPECT_FALSE(edit->HasSelection());
}

TEST_F(DumpEditInput, CtrlShortcutsBeatWindowShortcuts)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    dumpedit::CDumpEdit* inner = new dumpedit::CDumpEdit(&window, dumpedit::CDumpEdit::DES_MULTILINE |
                                                                      dumpedit::CDumpEdit::WS_TABSTOP);
    layout->addWidget(inner);
    inner->SetBuffer(bytes.data(), 256, true);
    QAction selectAllElsewhere(&window);
    selectAllElsewhere.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    window.addAction(&selectAllElsewhere);
    QSignalSpy fired(&selectAllElsewhere, &QAction::triggered);
    window.resize(600, 300);
    ShowFocused(window);
    inner->setFocus();
    Settle();
    ASSERT_TRUE(inner->hasFocus());
    QTest::keyClick(inner, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(fired.count(), 0);
    quint32 first = 0, last = 0;
    ASSERT_TRUE(inner->GetSelection(first, last));
    EXPECT_EQ(first, 0u);
    EXPECT_EQ(last, 255u);
    EXPECT_EQ(inner->CaretPos(), 0u);
}

TEST_F(DumpEditInput, TabMovesTheFocusAndTheCaretStays)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    dumpedit::CDumpEdit* inner = new dumpedit::CDumpEdit(&window, dumpedit::CDumpEdit::DES_MULTILINE |
                                                                      dumpedit::CDumpEdit::WS_TABSTOP);
    auto* next = new QLineEdit(&window);
    layout->addWidget(inner);
    layout->addWidget(next);
    inner->SetBuffer(bytes.data(), 256, true);
    window.resize(600, 300);
    ShowFocused(window);
    inner->setFocus();
    Settle();
    QTest::keyClick(inner, Qt::Key_Right);
    QTest::keyClick(inner, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(inner->CaretPos(), 0u);
    EXPECT_FALSE(inner->CaretHigh());
    QTest::keyClick(next, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(inner->hasFocus());
}

TEST_F(DumpEditInput, CaretExistsOnlyWithTheFocusAndInView)
{
    CaretTo(5);
    const auto& l = edit->Layout();
    const QRect expected(l.textRect.left + l.hexX + 15 * l.charWidth, l.textRect.top + 1, l.charWidth,
                         l.lineHeight - 1);
    EXPECT_EQ(edit->CaretRect(), expected);
    QLineEdit elsewhere;
    ShowFocused(elsewhere);
    EXPECT_TRUE(edit->CaretRect().isEmpty());
    ShowFocused(*edit);
    EXPECT_EQ(edit->CaretRect(), expected);
    edit->resize(600, 3 * l.lineHeight + 10);
    Settle();
    edit->SetTopRow(5, true);
    EXPECT_TRUE(edit->CaretRect().isEmpty());
    edit->SetTopRow(0, true);
    EXPECT_EQ(edit->CaretRect(), expected);
}

TEST_F(DumpEditInput, EmptyBufferIgnoresKeysTypingAndMouse)
{
    std::array<quint8, 4> guard{0xAA, 0xAA, 0xAA, 0xAA};
    edit->SetBuffer(guard.data(), 0, true);
    QSignalSpy changes(edit.get(), &dumpedit::CDumpEdit::Changed);
    Type("12ab");
    Key(Qt::Key_End);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    MouseAt(*edit, QEvent::MouseButtonPress, {40, 20}, Qt::LeftButton, Qt::LeftButton);
    MouseAt(*edit, QEvent::MouseMove, {140, 60}, Qt::NoButton, Qt::LeftButton);
    MouseAt(*edit, QEvent::MouseButtonRelease, {140, 60}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(guard, (std::array<quint8, 4>{0xAA, 0xAA, 0xAA, 0xAA}));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(edit->HasSelection());
    EXPECT_TRUE(edit->CaretRect().isEmpty());
}

TEST_F(DumpEditInput, ClickWithinTheDragDistanceSelectsNothing)
{
    edit->SetSelection(10, 20, false, true);
    const QPoint press = HighDigitCentre(*edit, 0x23);
    const int half = QApplication::startDragDistance() / 2;
    MouseAt(*edit, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(edit->HasSelection());
    EXPECT_EQ(edit->CaretPos(), 0x23u);
    MouseAt(*edit, QEvent::MouseMove, press + QPoint(half - 1, 0), Qt::NoButton, Qt::LeftButton);
    MouseAt(*edit, QEvent::MouseButtonRelease, press + QPoint(half - 1, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(edit->HasSelection());
    EXPECT_EQ(edit->AutoScrollTimerId(), 0);
}

TEST_F(DumpEditInput, DraggingSelectsFromThePressedByte)
{
    MouseAt(*edit, QEvent::MouseButtonPress, HighDigitCentre(*edit, 0x23), Qt::LeftButton, Qt::LeftButton);
    MouseAt(*edit, QEvent::MouseMove, HighDigitCentre(*edit, 0x47), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Selection(), std::make_pair(0x23u, 0x47u));
    EXPECT_EQ(edit->CaretPos(), 0x47u);
    MouseAt(*edit, QEvent::MouseMove, HighDigitCentre(*edit, 0x11), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Selection(), std::make_pair(0x11u, 0x23u));
    MouseAt(*edit, QEvent::MouseButtonRelease, HighDigitCentre(*edit, 0x11), Qt::LeftButton, Qt::NoButton);
    // Moves without the button select nothing more.
    MouseAt(*edit, QEvent::MouseMove, HighDigitCentre(*edit, 0x50), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(Selection(), std::make_pair(0x11u, 0x23u));
}

TEST_F(DumpEditInput, ShiftClickExtendsTheSelectionFromItsAnchor)
{
    const auto shiftClick = [this](quint32 byte) {
        MouseAt(*edit, QEvent::MouseButtonPress, HighDigitCentre(*edit, byte), Qt::LeftButton, Qt::LeftButton,
                Qt::ShiftModifier);
        MouseAt(*edit, QEvent::MouseButtonRelease, HighDigitCentre(*edit, byte), Qt::LeftButton, Qt::NoButton,
                Qt::ShiftModifier);
    };
    CaretTo(0x12);
    shiftClick(0x35);  // from the caret
    EXPECT_EQ(Selection(), std::make_pair(0x12u, 0x35u));
    EXPECT_EQ(edit->CaretPos(), 0x35u);
    shiftClick(0x04);  // the anchor stays
    EXPECT_EQ(Selection(), std::make_pair(0x04u, 0x12u));
    MouseAt(*edit, QEvent::MouseButtonPress, HighDigitCentre(*edit, 0x40), Qt::LeftButton, Qt::LeftButton);
    MouseAt(*edit, QEvent::MouseButtonRelease, HighDigitCentre(*edit, 0x40), Qt::LeftButton, Qt::NoButton);
    shiftClick(0x44);  // from the plain click
    EXPECT_EQ(Selection(), std::make_pair(0x40u, 0x44u));
}

TEST_F(DumpEditInput, DoubleClickSelectsTheMarkOrOneByte)
{
    edit->SetMarkedRange(0x20, 0x3F, false, true);
    MouseAt(*edit, QEvent::MouseButtonDblClick, HighDigitCentre(*edit, 0x2A), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(Selection(), std::make_pair(0x20u, 0x3Fu));
    EXPECT_EQ(edit->CaretPos(), 0x2Au);
    MouseAt(*edit, QEvent::MouseButtonDblClick, HighDigitCentre(*edit, 0x45), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(Selection(), std::make_pair(0x45u, 0x45u));
}

TEST_F(DumpEditInput, DraggingBelowTheTextScrollsOneRowEveryTwoTicks)
{
    edit->resize(600, 5 * edit->Layout().lineHeight + 10);
    Settle();
    const auto& l = edit->Layout();
    MouseAt(*edit, QEvent::MouseButtonPress, HighDigitCentre(*edit, 0x12), Qt::LeftButton, Qt::LeftButton);
    const QPoint below(HighDigitCentre(*edit, 0x14).x(), l.textRect.bottom + 30);
    MouseAt(*edit, QEvent::MouseMove, below, Qt::NoButton, Qt::LeftButton);
    ASSERT_NE(edit->AutoScrollTimerId(), 0);
    EXPECT_EQ(edit->TopRow(), 0u);
    for (quint32 row = 1; row <= 4; ++row) {
        TimerTick();
        EXPECT_EQ(edit->TopRow(), row - 1);
        TimerTick();
        EXPECT_EQ(edit->TopRow(), row);
        // The selection follows the byte under the stored point.
        const quint32 under = edit->HitTest(below).index;
        EXPECT_EQ(Selection(), std::make_pair(0x12u, under));
        EXPECT_EQ(edit->CaretPos(), under);
    }
    MouseAt(*edit, QEvent::MouseButtonRelease, below, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(edit->AutoScrollTimerId(), 0);
}

TEST_F(DumpEditInput, AutoScrollUpwardsAndNotBesideTheText)
{
    edit->resize(600, 5 * edit->Layout().lineHeight + 10);
    Settle();
    edit->SetTopRow(6, true);
    const auto& l = edit->Layout();
    const QPoint start = HighDigitCentre(*edit, 0x83);
    MouseAt(*edit, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    // Beside the text (right of it): selects but does not scroll.
    MouseAt(*edit, QEvent::MouseMove, QPoint(l.textRect.right + 2, start.y()), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(edit->AutoScrollTimerId(), 0);
    // 2 pixels above the text: a row every 8 ticks.
    MouseAt(*edit, QEvent::MouseMove, QPoint(start.x(), l.textRect.top - 2), Qt::NoButton, Qt::LeftButton);
    ASSERT_NE(edit->AutoScrollTimerId(), 0);
    for (int i = 0; i < 7; ++i) {
        TimerTick();
    }
    EXPECT_EQ(edit->TopRow(), 6u);
    TimerTick();
    EXPECT_EQ(edit->TopRow(), 5u);
    // Back inside the text stops it.
    MouseAt(*edit, QEvent::MouseMove, start, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(edit->AutoScrollTimerId(), 0);
}
