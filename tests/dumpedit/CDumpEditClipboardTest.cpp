// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <cstdint>
#include <numeric>

#include "dumpedit/widget/QtDumpClipboard.h"
#include "tests/dumpedit/DumpEditTestSupport.h"

using namespace dumpedit_test;

namespace {

// Records what the context menu offers instead of showing it, and picks an item by text.
class MenuProbe : public dumpedit::CDumpEdit {
public:
    using dumpedit::CDumpEdit::CDumpEdit;

    struct Shown {
        QPoint globalPos;
        bool copyEnabled = false;
        bool pasteEnabled = false;
        bool undoEnabled = false;
        bool redoEnabled = false;
        QStringList texts;
        bool hadSelection = false;
        quint32 caretPos = 0;
        bool caretHigh = false;
    };
    std::optional<Shown> shown;
    QString choose;
    int customized = 0;

protected:
    void CustomizeContextMenu(QMenu* menu) override
    {
        ++customized;
        menu->addAction(QStringLiteral("Extra"));
    }
    QAction* ExecContextMenu(QMenu& menu, const QPoint& globalPos) override
    {
        Shown s;
        s.globalPos = globalPos;
        QAction* chosen = nullptr;
        for (QAction* action : menu.actions()) {
            s.texts << action->text();
            // The item's name, without the key shown after the tab.
            const QString name = action->text().section(QLatin1Char('\t'), 0, 0);
            if (name == QLatin1String("Copy"))
                s.copyEnabled = action->isEnabled();
            if (name == QLatin1String("Paste"))
                s.pasteEnabled = action->isEnabled();
            if (name == QLatin1String("Undo"))
                s.undoEnabled = action->isEnabled();
            if (name == QLatin1String("Redo"))
                s.redoEnabled = action->isEnabled();
            if (name == choose)
                chosen = action;
        }
        s.hadSelection = HasSelection();
        s.caretPos = CaretPos();
        s.caretHigh = CaretHigh();
        shown = s;
        return chosen;
    }
};

struct DumpEditClipboard : ::testing::Test {
    std::array<quint8, 256> bytes{};
    std::unique_ptr<MenuProbe> edit;
    FakeClipboard clipboard;

    void SetUp() override
    {
        App();
        std::iota(bytes.begin(), bytes.end(), quint8{0});
        edit = std::make_unique<MenuProbe>(nullptr, dumpedit::CDumpEdit::DES_MULTILINE);
        edit->resize(600, 320);
        edit->SetBuffer(bytes.data(), 256, true);
        edit->SetClipboard(&clipboard);
        ShowFocused(*edit);
    }

    std::pair<quint32, quint32> Selection() const
    {
        quint32 first = 0, last = 0;
        edit->GetSelection(first, last);
        return {first, last};
    }
    void RightClick(QPoint client)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, client, edit->viewport()->mapToGlobal(client));
        QApplication::sendEvent(edit->viewport(), &event);
    }
    void MenuKey()
    {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0),
                                edit->viewport()->mapToGlobal(QPoint(0, 0)));
        QApplication::sendEvent(edit->viewport(), &event);
    }
    void OfferBlock(std::vector<std::uint8_t> block) { clipboard.binary = std::move(block); }
};

}  // namespace

TEST_F(DumpEditClipboard, CopyOffersTheBlockAndTheText)
{
    bytes[0x12] = 0x01;
    bytes[0x13] = 0x02;
    bytes[0x14] = 0x03;
    edit->SetSelection(0x12, 0x14, false, true);
    QTest::keyClick(edit.get(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(clipboard.offers, 1);
    EXPECT_EQ(*clipboard.binary, (std::vector<std::uint8_t>{0x03, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03}));
    EXPECT_EQ(clipboard.text, "01 02 03\n");

    edit->SetSelection(0x12, 0x25, false, true);
    edit->SetReadOnly(true, true);
    edit->CopySelection();
    EXPECT_EQ(clipboard.offers, 2);
    EXPECT_EQ(clipboard.binary->size(), 20u + 4);
    EXPECT_EQ(clipboard.text, "      01 02 03 15 16 17 18 19 1A 1B 1C 1D 1E 1F\n20 21 22 23 24 25\n");
}

TEST_F(DumpEditClipboard, CopyWithoutSelectionLeavesTheClipboard)
{
    OfferBlock({1, 0, 0, 0, 9});
    edit->CopySelection();
    EXPECT_TRUE(edit->HandleCommand(dumpedit::CDumpEdit::ID_EDIT_COPY));
    EXPECT_EQ(clipboard.offers, 0);
    EXPECT_EQ(*clipboard.binary, (std::vector<std::uint8_t>{1, 0, 0, 0, 9}));
}

TEST_F(DumpEditClipboard, PasteIsCutAtTheEndOfTheBuffer)
{
    edit->Layout();
    QTest::keyClick(edit.get(), Qt::Key_End);
    QTest::keyClick(edit.get(), Qt::Key_Left);
    QTest::keyClick(edit.get(), Qt::Key_Left);
    ASSERT_EQ(edit->CaretPos(), 254u);
    OfferBlock({5, 0, 0, 0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5});
    QSignalSpy changes(edit.get(), &dumpedit::CDumpEdit::Changed);
    QTest::keyClick(edit.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(bytes[253], 253);
    EXPECT_EQ(bytes[254], 0xA1);
    EXPECT_EQ(bytes[255], 0xA2);
    EXPECT_EQ(Selection(), std::make_pair(254u, 255u));
    EXPECT_EQ(edit->CaretPos(), 255u);
    EXPECT_FALSE(edit->CaretHigh());
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(DumpEditClipboard, PasteWritesFromTheSelectionStartWhateverItsLength)
{
    edit->SetSelection(0x40, 0x49, false, true);
    OfferBlock({2, 0, 0, 0, 0xEE, 0xFF});
    edit->HandleCommand(dumpedit::CDumpEdit::ID_EDIT_PASTE);
    EXPECT_EQ(bytes[0x40], 0xEE);
    EXPECT_EQ(bytes[0x41], 0xFF);
    EXPECT_EQ(bytes[0x42], 0x42);
    EXPECT_EQ(Selection(), std::make_pair(0x40u, 0x41u));
    EXPECT_EQ(edit->CaretPos(), 0x41u);
}

TEST_F(DumpEditClipboard, MalformedOrEmptyBlocksWriteNothingBeyondTheirBytes)
{
    QSignalSpy changes(edit.get(), &dumpedit::CDumpEdit::Changed);
    const auto before = bytes;
    edit->SetSelection(0x10, 0x12, false, true);
    // Count 0: nothing written or notified; selection and caret stay in the buffer where they were.
    OfferBlock({0, 0, 0, 0});
    edit->PasteClipboard();
    EXPECT_EQ(bytes, before);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(Selection(), std::make_pair(0x10u, 0x12u));
    EXPECT_EQ(edit->CaretPos(), 0u);
    // Shorter than a count: refused.
    OfferBlock({7, 0, 0});
    edit->PasteClipboard();
    EXPECT_EQ(bytes, before);
    EXPECT_EQ(changes.count(), 0);
    // A count beyond the block: only the bytes present are written.
    OfferBlock({0x40, 0, 0, 0, 0xC1, 0xC2});
    edit->PasteClipboard();
    EXPECT_EQ(bytes[0x10], 0xC1);
    EXPECT_EQ(bytes[0x11], 0xC2);
    EXPECT_EQ(bytes[0x12], 0x12);
    EXPECT_EQ(Selection(), std::make_pair(0x10u, 0x11u));
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(DumpEditClipboard, PasteThatCannotBeUsedOrIsCutSaysSo)
{
    edit->SetAddressDigits(2, true);
    struct Case {
        std::optional<std::vector<std::uint8_t>> block;
        std::optional<std::string> text;
        quint32 caret;
        QString message;  // empty: none
    };
    const Case cases[] = {
        {std::nullopt, "hello", 0, "Nothing pasted: \"hello\" is not bytes in hex, such as 3F A0 1B"},
        {std::nullopt, "0x3F 0xA0", 0, "Nothing pasted: \"0x3F 0xA0\" is not bytes in hex, such as 3F A0 1B"},
        {std::nullopt, "a line of text much longer than any status bar would want", 0,
         "Nothing pasted: \"a line of text much lon\u2026\" is not bytes in hex, such as 3F A0 1B"},
        {std::nullopt, std::nullopt, 0, "Nothing pasted: the clipboard holds no bytes"},
        {std::nullopt, " \n", 0, "Nothing pasted: the clipboard holds no bytes"},
        {std::vector<std::uint8_t>{7, 0, 0}, std::nullopt, 0,
         "Nothing pasted: the bytes on the clipboard are damaged"},
        {std::vector<std::uint8_t>{0, 0, 0, 0}, std::nullopt, 0,
         "Nothing pasted: the clipboard holds no bytes"},
        {std::nullopt, "01 02 03 04", 0xFE, "Pasted 2 of 4 bytes: the dump ends at FF"},
        {std::vector<std::uint8_t>{4, 0, 0, 0, 1, 2, 3, 4}, std::nullopt, 0xFC, ""},
        {std::nullopt, "0102", 0x10, ""},
    };
    for (const Case& c : cases) {
        clipboard.binary = c.block;
        clipboard.plain = c.text;
        edit->SetSelection(c.caret, c.caret, false, false);
        QSignalSpy messages(edit.get(), &dumpedit::CDumpEdit::StatusMessage);
        QTest::keyClick(edit.get(), Qt::Key_V, Qt::ControlModifier);
        if (c.message.isEmpty()) {
            EXPECT_EQ(messages.count(), 0) << c.caret;
        } else {
            ASSERT_EQ(messages.count(), 1) << c.message.toStdString();
            EXPECT_EQ(messages.front().front().toString(), c.message);
        }
    }
    EXPECT_EQ((std::array{bytes[0xFC], bytes[0xFD], bytes[0xFE], bytes[0xFF]}),
              (std::array<quint8, 4>{1, 2, 3, 4}));
    EXPECT_EQ((std::array{bytes[0x10], bytes[0x11], bytes[0x12]}), (std::array<quint8, 3>{1, 2, 0x12}));
}

TEST_F(DumpEditClipboard, PasteNeedsBinaryDataAndAWritableControl)
{
    const auto before = bytes;
    edit->PasteClipboard();
    OfferBlock({1, 0, 0, 0, 0x99});
    edit->SetReadOnly(true, false);
    edit->PasteClipboard();
    EXPECT_EQ(bytes, before);
    edit->SetReadOnly(false, false);
    edit->PasteClipboard();
    EXPECT_EQ(bytes[0], 0x99);
}

TEST_F(DumpEditClipboard, SelectAllKeepsTheCaret)
{
    QTest::keyClick(edit.get(), Qt::Key_Right);
    EXPECT_TRUE(edit->HandleCommand(dumpedit::CDumpEdit::ID_EDIT_SELECT_ALL));
    EXPECT_EQ(Selection(), std::make_pair(0u, 255u));
    EXPECT_EQ(edit->CaretPos(), 0u);
    EXPECT_FALSE(edit->CaretHigh());
    EXPECT_FALSE(edit->HandleCommand(0xE123));
}

TEST_F(DumpEditClipboard, RightClickOutsideTheSelectionClearsItFirst)
{
    edit->SetSelection(2, 4, false, true);
    RightClick(HighDigitCentre(*edit, 0x30));
    ASSERT_TRUE(edit->shown.has_value());
    EXPECT_FALSE(edit->shown->hadSelection);
    EXPECT_EQ(edit->shown->caretPos, 0x30u);
    EXPECT_TRUE(edit->shown->caretHigh);
    EXPECT_FALSE(edit->shown->copyEnabled);
    EXPECT_FALSE(edit->shown->pasteEnabled);
    EXPECT_EQ(edit->shown->texts,
              (QStringList{QStringLiteral("Copy\tCtrl+C"), QStringLiteral("Paste\tCtrl+V"), QString(),
                           QStringLiteral("Undo\tCtrl+Z"), QStringLiteral("Redo\tCtrl+Y"),
                           QStringLiteral("Extra")}));
    EXPECT_EQ(edit->customized, 1);
    EXPECT_EQ(edit->shown->globalPos, edit->viewport()->mapToGlobal(HighDigitCentre(*edit, 0x30)));
}

TEST_F(DumpEditClipboard, RightClickInsideTheSelectionKeepsItAndCopies)
{
    edit->SetSelection(0x20, 0x22, false, true);
    OfferBlock({1, 0, 0, 0, 0x55});
    edit->choose = QStringLiteral("Copy");
    RightClick(HighDigitCentre(*edit, 0x21));
    ASSERT_TRUE(edit->shown.has_value());
    EXPECT_TRUE(edit->shown->hadSelection);
    EXPECT_TRUE(edit->shown->copyEnabled);
    EXPECT_TRUE(edit->shown->pasteEnabled);
    EXPECT_EQ(edit->shown->caretPos, 0u);
    EXPECT_EQ(clipboard.text, "20 21 22\n");
}

TEST_F(DumpEditClipboard, MenuKeyShowsTheMenuAtTheTopLeftCorner)
{
    edit->SetSelection(0x05, 0x08, false, true);
    QTest::keyClick(edit.get(), Qt::Key_Right);
    edit->SetSelection(0x05, 0x08, false, true);
    edit->SetReadOnly(true, false);
    OfferBlock({1, 0, 0, 0, 0x55});
    edit->choose = QStringLiteral("Paste");
    MenuKey();
    ASSERT_TRUE(edit->shown.has_value());
    EXPECT_EQ(edit->shown->globalPos, edit->viewport()->mapToGlobal(QPoint(5, 5)));
    EXPECT_TRUE(edit->shown->copyEnabled);
    EXPECT_FALSE(edit->shown->pasteEnabled);
    EXPECT_EQ(Selection(), std::make_pair(0x05u, 0x08u));
    EXPECT_EQ(edit->CaretPos(), 0u);
    EXPECT_FALSE(edit->CaretHigh());
}

TEST_F(DumpEditClipboard, WithoutBytesTheMenuOffersNothing)
{
    OfferBlock({1, 0, 0, 0, 0x55});
    edit->SetBuffer(nullptr, 0, true);
    RightClick(QPoint(40, 20));
    ASSERT_TRUE(edit->shown.has_value());
    EXPECT_FALSE(edit->shown->copyEnabled);
    EXPECT_FALSE(edit->shown->pasteEnabled);
}

TEST_F(DumpEditClipboard, ApplicationClipboardCarriesBothForms)
{
    dumpedit::CQtDumpClipboard& system = dumpedit::CQtDumpClipboard::Instance();
    system.Offer({2, 0, 0, 0, 0xAB, 0xCD}, "AB CD\n");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data(QStringLiteral("application/x-qt-windows-mime;value=\"BinaryData\"")),
              QByteArray("\x02\x00\x00\x00\xAB\xCD", 6));
    EXPECT_EQ(data->text(), QStringLiteral("AB CD\n"));
    EXPECT_TRUE(system.HasBinaryData());
    EXPECT_EQ(system.BinaryData(), (std::vector<std::uint8_t>{2, 0, 0, 0, 0xAB, 0xCD}));

    // Text alone is no block; it is read as text (for a paste of hex text).
    QGuiApplication::clipboard()->setText(QStringLiteral("01 02 03\n"));
    EXPECT_FALSE(system.HasBinaryData());
    EXPECT_FALSE(system.BinaryData().has_value());
    EXPECT_EQ(system.Text(), std::optional<std::string>("01 02 03\n"));

    // The control's default clipboard is this one.
    edit->SetClipboard(nullptr);
    edit->SetSelection(0x10, 0x11, false, true);
    edit->CopySelection();
    edit->SetSelection(0x30, 0x30, false, true);
    edit->PasteClipboard();
    EXPECT_EQ(bytes[0x30], 0x10);
    EXPECT_EQ(bytes[0x31], 0x11);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("10 11\n"));
}

TEST_F(DumpEditClipboard, MenuOffersUndoRedoAndPasteOfHexText)
{
    clipboard.plain = "not hex";
    RightClick(HighDigitCentre(*edit, 0x10));
    ASSERT_TRUE(edit->shown.has_value());
    EXPECT_FALSE(edit->shown->pasteEnabled);
    EXPECT_FALSE(edit->shown->undoEnabled);
    EXPECT_FALSE(edit->shown->redoEnabled);

    clipboard.plain = "AA BB";
    edit->choose = QStringLiteral("Paste");
    RightClick(HighDigitCentre(*edit, 0x10));
    EXPECT_TRUE(edit->shown->pasteEnabled);
    ASSERT_EQ(bytes[0x10], 0xAA);
    ASSERT_EQ(bytes[0x11], 0xBB);

    edit->choose = QStringLiteral("Undo");
    RightClick(HighDigitCentre(*edit, 0x10));
    EXPECT_TRUE(edit->shown->undoEnabled);
    EXPECT_EQ(bytes[0x10], 0x10);
    EXPECT_EQ(bytes[0x11], 0x11);
    EXPECT_FALSE(edit->CanUndo());

    edit->choose = QStringLiteral("Redo");
    RightClick(HighDigitCentre(*edit, 0x10));
    EXPECT_TRUE(edit->shown->redoEnabled);
    EXPECT_EQ(bytes[0x10], 0xAA);
    EXPECT_FALSE(edit->CanRedo());
}
