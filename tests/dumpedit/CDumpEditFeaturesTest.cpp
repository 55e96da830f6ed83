// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo, changed bytes, hex text paste, the caret status, go to and find, all through
// real key events.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <array>
#include <cstdint>
#include <deque>
#include <numeric>

#include "tests/dumpedit/DumpEditTestSupport.h"

using namespace dumpedit_test;

namespace {

// Answers the editor's questions from a script, recording what was asked.
class ScriptedPrompts : public dumpedit::IDumpPrompts {
public:
    std::deque<std::optional<QString>> answers;
    QStringList titles;
    QStringList initials;

    std::optional<QString> AskText(QWidget*, const QString& title, const QString&,
                                   const QString& initial) override
    {
        titles << title;
        initials << initial;
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct DumpEditFeatures : ::testing::Test {
    std::array<quint8, 256> bytes{};
    std::unique_ptr<dumpedit::CDumpEdit> edit;
    FakeClipboard clipboard;
    ScriptedPrompts prompts;

    void SetUp() override
    {
        App();
        std::iota(bytes.begin(), bytes.end(), quint8{0});
        edit = MakeEdit(bytes.data(), 256, {600, 120});  // a few rows: far bytes need scrolling
        edit->SetAddressDigits(2, false);
        edit->SetClipboard(&clipboard);
        edit->SetPrompts(&prompts);
        ShowFocused(*edit);
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(edit.get(), static_cast<Qt::Key>(key), modifiers);
        }
    }
    void Type(const char* text)
    {
        for (const char* c = text; *c != '\0'; ++c) {
            QTest::keyClick(edit.get(), *c);
        }
    }
    void CaretTo(quint32 pos)
    {
        Key(Qt::Key_Home);
        Key(Qt::Key_Right, Qt::NoModifier, static_cast<int>(2 * pos));
        ASSERT_EQ(edit->CaretPos(), pos);
    }
    std::pair<quint32, quint32> Selection() const
    {
        quint32 first = 0, last = 0;
        edit->GetSelection(first, last);
        return {first, last};
    }
};

}  // namespace

TEST_F(DumpEditFeatures, CtrlZUndoesTypingAsOneStepAndCtrlYRedoesIt)
{
    CaretTo(5);
    Type("3c4");
    Key(Qt::Key_Right);  // the caret moves by itself: the next digits are a new step
    Type("ff");
    ASSERT_EQ(bytes[5], 0x3C);
    ASSERT_EQ(bytes[6], 0x46);
    ASSERT_EQ(bytes[7], 0xFF);
    QSignalSpy changes(edit.get(), &dumpedit::CDumpEdit::Changed);

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bytes[7], 7);
    EXPECT_EQ(bytes[6], 0x46);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bytes[5], 5);
    EXPECT_EQ(bytes[6], 6);
    EXPECT_EQ(edit->CaretPos(), 5u);
    EXPECT_TRUE(edit->CaretHigh());
    EXPECT_EQ(Selection(), std::make_pair(5u, 6u));
    EXPECT_TRUE(edit->IsAtSavedState());
    Key(Qt::Key_Z, Qt::ControlModifier);  // nothing left
    EXPECT_EQ(changes.count(), 2);

    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(bytes[5], 0x3C);
    EXPECT_FALSE(edit->IsAtSavedState());
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(bytes[7], 0xFF);
    EXPECT_EQ(changes.count(), 4);

    // A paste is one step too.
    clipboard.binary = std::vector<std::uint8_t>{3, 0, 0, 0, 0xA1, 0xA2, 0xA3};
    CaretTo(0x40);
    Key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(bytes[0x42], 0xA3);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bytes[0x40], 0x40);
    EXPECT_EQ(bytes[0x42], 0x42);
    EXPECT_EQ(bytes[7], 0xFF);
}

TEST_F(DumpEditFeatures, UndoFollowsTheSavedStateAndANewBufferStartsAfresh)
{
    Type("12");
    edit->MarkSaved();
    EXPECT_TRUE(edit->IsAtSavedState());
    Type("34");
    EXPECT_FALSE(edit->IsAtSavedState());
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(edit->IsAtSavedState());
    EXPECT_EQ(bytes[0], 0x12);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(edit->IsAtSavedState());
    EXPECT_EQ(bytes[0], 0x00);

    edit->SetBuffer(bytes.data(), 256, true);
    EXPECT_FALSE(edit->CanUndo());
    EXPECT_FALSE(edit->CanRedo());
    EXPECT_TRUE(edit->IsAtSavedState());

    // A read replaces the bytes under the history: nothing to undo afterwards.
    Type("77");
    bytes[0] = 0x99;
    edit->AcceptRead(0, 0xFF, false);
    EXPECT_FALSE(edit->CanUndo());
    EXPECT_FALSE(edit->IsAtSavedState());
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bytes[0], 0x99);

    edit->SetReadOnly(true, true);
    Type("12");
    edit->SetReadOnly(false, true);
    Key(Qt::Key_Home);
    Type("12");
    edit->SetReadOnly(true, true);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bytes[0], 0x12) << "a read-only control undoes nothing";
}

TEST_F(DumpEditFeatures, ChangedBytesFollowTheReference)
{
    CaretTo(3);
    Type("ab");
    EXPECT_EQ(edit->ByteStateAt(3), dumpedit::ByteState::Changed);
    EXPECT_EQ(edit->ByteStateAt(4), dumpedit::ByteState::Unchanged);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->ByteStateAt(3), dumpedit::ByteState::Unchanged);
    Key(Qt::Key_Y, Qt::ControlModifier);
    edit->MarkSaved();
    EXPECT_EQ(edit->ByteStateAt(3), dumpedit::ByteState::Unchanged);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->ByteStateAt(3), dumpedit::ByteState::Changed) << "differs from the saved bytes";
    edit->SetDifferences({false, true}, true);
    EXPECT_EQ(edit->ByteStateAt(1), dumpedit::ByteState::Differs);
    edit->MarkSaved();
    EXPECT_EQ(edit->ByteStateAt(1), dumpedit::ByteState::Differs) << "a save keeps the differences";
    edit->SetBuffer(bytes.data(), 256, true);
    EXPECT_EQ(edit->ByteStateAt(1), dumpedit::ByteState::Unchanged) << "new contents, nothing compared";
}

TEST_F(DumpEditFeatures, PasteTakesHexTextWhenThereIsNoBlock)
{
    QSignalSpy changes(edit.get(), &dumpedit::CDumpEdit::Changed);
    CaretTo(0xFD);
    clipboard.plain = "3f a0\n1B 44 55\n";
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(bytes[0xFD], 0x3F);
    EXPECT_EQ(bytes[0xFE], 0xA0);
    EXPECT_EQ(bytes[0xFF], 0x1B);  // cut at the end
    EXPECT_EQ(Selection(), std::make_pair(0xFDu, 0xFFu));
    EXPECT_EQ(changes.count(), 1);

    // Other text changes nothing.
    const auto before = bytes;
    CaretTo(0x10);
    for (const char* text : {"3F A", "hello", "3F,A0", ""}) {
        clipboard.plain = text;
        Key(Qt::Key_V, Qt::ControlModifier);
    }
    EXPECT_EQ(bytes, before);
    EXPECT_EQ(changes.count(), 1);

    // A block wins over the text.
    clipboard.binary = std::vector<std::uint8_t>{1, 0, 0, 0, 0x77};
    clipboard.plain = "11 22";
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(bytes[0x10], 0x77);
    EXPECT_EQ(bytes[0x11], 0x11);
}

TEST_F(DumpEditFeatures, StatusTextFollowsTheCaretAndTheValue)
{
    QSignalSpy status(edit.get(), &dumpedit::CDumpEdit::CaretStatusChanged);
    bytes[0x1F] = 0x3C;
    Key(Qt::Key_Down);
    Key(Qt::Key_Right, Qt::NoModifier, 30);
    ASSERT_EQ(edit->CaretPos(), 0x1Fu);
    EXPECT_EQ(edit->CaretStatusText(), QStringLiteral("Addr 1F  Value 3C  60  00111100"));
    ASSERT_FALSE(status.isEmpty());
    EXPECT_EQ(status.last().at(0).toString(), edit->CaretStatusText());
    Type("f");  // same byte, new value
    EXPECT_EQ(edit->CaretStatusText(), QStringLiteral("Addr 1F  Value FC  252  11111100"));
    // A byte arriving from elsewhere under the caret.
    bytes[0x1F] = 0x01;
    edit->RedrawByte(0x1F);
    EXPECT_EQ(edit->CaretStatusText(), QStringLiteral("Addr 1F  Value 01  1  00000001"));

    edit->SetBuffer(nullptr, 0, true);
    EXPECT_TRUE(edit->CaretStatusText().isEmpty());
    EXPECT_TRUE(status.last().at(0).toString().isEmpty());
}

TEST_F(DumpEditFeatures, CtrlGMovesTheCaretToTheAddressAndIntoView)
{
    ASSERT_EQ(edit->TopRow(), 0u);
    prompts.answers = {QStringLiteral("e3"), QStringLiteral("100"), std::nullopt};
    QSignalSpy messages(edit.get(), &dumpedit::CDumpEdit::StatusMessage);
    Key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(prompts.initials.value(0), QStringLiteral("00"));
    EXPECT_EQ(edit->CaretPos(), 0xE3u);
    EXPECT_TRUE(edit->CaretHigh());
    const quint32 top = edit->TopRow();
    EXPECT_GT(top, 0u);
    EXPECT_LE(top, 0xEu);
    EXPECT_GT(top + edit->Layout().fullRows, 0xEu);
    EXPECT_FALSE(edit->CaretRect().isEmpty());

    Key(Qt::Key_G, Qt::ControlModifier);  // beyond the dump
    EXPECT_EQ(edit->CaretPos(), 0xE3u);
    EXPECT_EQ(messages.count(), 1);
    Key(Qt::Key_G, Qt::ControlModifier);  // cancelled
    EXPECT_EQ(edit->CaretPos(), 0xE3u);
    EXPECT_EQ(prompts.titles.size(), 3);
}

TEST_F(DumpEditFeatures, CtrlFSelectsTheMatchAndF3TheNextOne)
{
    bytes[0x20] = 0x3F;
    bytes[0x21] = 0xA0;
    bytes[0xC0] = 0x3F;
    bytes[0xC1] = 0xA0;
    QSignalSpy messages(edit.get(), &dumpedit::CDumpEdit::StatusMessage);
    prompts.answers = {QStringLiteral("3F A0")};
    Key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(Selection(), std::make_pair(0x20u, 0x21u));
    EXPECT_EQ(edit->CaretPos(), 0x20u);
    Key(Qt::Key_F3);
    EXPECT_EQ(Selection(), std::make_pair(0xC0u, 0xC1u));
    EXPECT_GT(edit->TopRow(), 0u) << "scrolled into view";
    Key(Qt::Key_F3);  // wraps to the first one
    EXPECT_EQ(Selection(), std::make_pair(0x20u, 0x21u));
    EXPECT_TRUE(messages.isEmpty());

    prompts.answers = {QStringLiteral("\"zz\"")};
    Key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().at(0).toString(), QStringLiteral("Not found"));
    EXPECT_EQ(Selection(), std::make_pair(0x20u, 0x21u));
    EXPECT_EQ(prompts.initials.value(1), QStringLiteral("3F A0"));
}

TEST_F(DumpEditFeatures, ChangedBytesAreDrawnInTheirColourAndOthersAreNot)
{
    edit->SetStateColors(0x00C000C0, 0x000060E0, false);
    CaretTo(0x12);
    Type("ab");
    Key(Qt::Key_Down, Qt::NoModifier, 3);  // the caret away from the bytes looked at
    std::vector<bool> differences(0x16, false);
    differences[0x15] = true;
    edit->SetDifferences(differences, false);
    const QImage image = Render(*edit);
    const auto& l = edit->Layout();
    const auto cells = [&](quint32 pos) {
        const int col = static_cast<int>(pos % 16);
        const int row = static_cast<int>(pos / 16);
        return QRect(l.textRect.left + l.hexX + 3 * col * l.charWidth, l.textRect.top + row * l.lineHeight,
                     2 * l.charWidth, l.lineHeight);
    };
    // Glyph edges are smoothed: count the pixels near each colour.
    const auto count = [&](const QImage& img, const QRect& r, bool (*near)(QRgb)) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                n += near(img.pixel(x, y));
            }
        }
        return n;
    };
    const auto changed = [](QRgb c) { return qRed(c) > 120 && qGreen(c) < 80 && qBlue(c) > 120; };
    const auto differs = [](QRgb c) {
        return qRed(c) > 160 && qGreen(c) > 40 && qGreen(c) < 140 && qBlue(c) < 60;
    };
    const auto dark = [](QRgb c) { return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90; };
    EXPECT_GT(count(image, cells(0x12), changed), 5);
    EXPECT_EQ(count(image, cells(0x12), dark), 0);
    EXPECT_EQ(count(image, cells(0x13), changed), 0);
    EXPECT_GT(count(image, cells(0x13), dark), 5);
    EXPECT_GT(count(image, cells(0x15), differs), 5);
    EXPECT_EQ(count(image, cells(0x15), dark), 0);

    // Inside the mark a changed byte keeps the mark's fill behind its own colour.
    edit->SetMarkColors(0xFFFF00, 0xD25A00, 0x00C800, false);
    edit->SetMarkedRange(0x10, 0x14, false, false);
    const QImage marked = Render(*edit);
    const QRect c = cells(0x12);
    EXPECT_EQ(marked.pixel(c.left() + 2 * l.charWidth + l.charWidth / 2, c.top() + l.lineHeight / 2),
              qRgb(0x00, 0x5A, 0xD2));
    EXPECT_GT(count(marked, c, changed), 5);
}
