// SPDX-License-Identifier: GPL-3.0-or-later
// Clipboard commands and the context menu of CDumpEdit.
#include <QContextMenuEvent>
#include <QMenu>

#include <cstdint>
#include <cstring>

#include "dumpedit/core/DumpClipboardFormat.h"
#include "dumpedit/core/DumpEditing.h"
#include "dumpedit/core/DumpHexText.h"
#include "dumpedit/core/DumpRowText.h"
#include "dumpedit/widget/CDumpEdit.h"
#include "dumpedit/widget/QtDumpClipboard.h"

namespace dumpedit {

using namespace dumpedit;

void CDumpEdit::SetClipboard(IDumpClipboard* clipboard)
{
    clipboard_ = clipboard;
}

IDumpClipboard& CDumpEdit::Clipboard() const
{
    return clipboard_ != nullptr ? *clipboard_ : CQtDumpClipboard::Instance();
}

void CDumpEdit::CopySelection()
{
    // Copying works on a read-only control too.
    if (!HasSelection() || buffer_ == nullptr) {
        return;
    }
    const quint32 count = selLast_ - selFirst_ + 1;
    Clipboard().Offer(EncodeBinaryBlock(buffer_ + selFirst_, count),
                      SelectionText(buffer_, selFirst_, selLast_, Layout().bytesPerRow));
}

namespace {

// A clipboard text as a status message quotes it: one line, not too long.
QString Quoted(const std::string& text)
{
    constexpr qsizetype kMaxShown = 24;
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).simplified();
    if (shown.size() > kMaxShown) {
        shown = shown.left(kMaxShown - 1) + QChar(0x2026);
    }
    return shown;
}

}  // namespace

void CDumpEdit::PasteClipboard()
{
    if (readOnly_ || !HasBytes()) {
        return;
    }
    if (const std::optional<std::vector<std::uint8_t>> block = Clipboard().BinaryData()) {
        const std::optional<BinaryBlockView> pasted = DecodeBinaryBlock(*block);
        if (!pasted) {
            emit StatusMessage(tr("Nothing pasted: the bytes on the clipboard are damaged"));
        } else if (pasted->count == 0) {
            emit StatusMessage(tr("Nothing pasted: the clipboard holds no bytes"));
        } else {
            PasteBytes(pasted->bytes, pasted->count);
        }
        return;
    }
    // Hex text copied from elsewhere: only when it is nothing but digit pairs and blanks.
    const std::optional<std::string> text = Clipboard().Text();
    if (!text || QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size())).trimmed().isEmpty()) {
        emit StatusMessage(tr("Nothing pasted: the clipboard holds no bytes"));
    } else if (const std::optional<std::vector<std::uint8_t>> bytes = ParseHexBytes(*text)) {
        PasteBytes(bytes->data(), static_cast<quint32>(bytes->size()));
    } else {
        emit StatusMessage(
            tr("Nothing pasted: \"%1\" is not bytes in hex, such as 3F A0 1B").arg(Quoted(*text)));
    }
}

bool CDumpEdit::CanPaste() const
{
    return HasBytes() && !readOnly_ && (Clipboard().HasBinaryData() || ClipboardHexText());
}

std::optional<std::vector<std::uint8_t>> CDumpEdit::ClipboardHexText() const
{
    const std::optional<std::string> text = Clipboard().Text();
    if (!text) {
        return std::nullopt;
    }
    return ParseHexBytes(*text);
}

void CDumpEdit::PasteBytes(const quint8* bytes, quint32 count)
{
    const quint32 pos = HasSelection() ? selFirst_ : caretPos_;
    const quint32 offered = count;
    count = PasteCount(pos, count, size_);
    // Nothing to write (an empty block): selection, caret and bytes stay as they are.
    if (count == 0) {
        return;
    }
    const std::vector<std::uint8_t> before(buffer_ + pos, buffer_ + pos + count);
    std::memcpy(buffer_ + pos, bytes, count);
    history_.RecordOverwrite(pos, before, std::vector<std::uint8_t>(buffer_ + pos, buffer_ + pos + count));
    const quint32 last = pos + count - 1;
    SetSelection(pos, last, true, false);
    PlaceCaret(last, false);
    viewport()->update();
    NotifyChange();
    if (count < offered) {
        emit StatusMessage(tr("Pasted %1 of %2 bytes: the dump ends at %3")
                               .arg(count)
                               .arg(offered)
                               .arg(QString::fromStdString(FormatAddressLabel(size_ - 1, addressDigits_))));
    }
}

void CDumpEdit::SelectAll()
{
    if (size_ > 0) {
        SetSelection(0, size_ - 1, false, true);
    }
}

bool CDumpEdit::HandleCommand(int commandId)
{
    switch (commandId) {
    case ID_EDIT_FIND:
        Find();
        return true;
    case ID_EDIT_REPEAT:
        FindNext();
        return true;
    case ID_EDIT_GOTO:
        GoToAddress();
        return true;
    case ID_EDIT_COPY:
        CopySelection();
        return true;
    case ID_EDIT_PASTE:
        PasteClipboard();
        return true;
    case ID_EDIT_SELECT_ALL:
        SelectAll();
        return true;
    case ID_EDIT_UNDO:
        Undo();
        return true;
    case ID_EDIT_REDO:
        Redo();
        return true;
    default:
        return false;
    }
}

bool CDumpEdit::IsCommandEnabled(int commandId) const
{
    if (!isEnabled()) {
        return false;
    }
    switch (commandId) {
    case ID_EDIT_COPY:
        return HasSelection();
    case ID_EDIT_PASTE:
        return CanPaste();
    case ID_EDIT_UNDO:
        return CanUndo();
    case ID_EDIT_REDO:
        return CanRedo();
    case ID_EDIT_SELECT_ALL:
    case ID_EDIT_FIND:
    case ID_EDIT_REPEAT:
    case ID_EDIT_GOTO:
        return HasBytes();
    default:
        return false;
    }
}

QKeySequence CDumpEdit::CommandKey(int commandId)
{
    switch (commandId) {
    case ID_EDIT_COPY:
        return QKeySequence(Qt::CTRL | Qt::Key_C);
    case ID_EDIT_PASTE:
        return QKeySequence(Qt::CTRL | Qt::Key_V);
    case ID_EDIT_UNDO:
        return QKeySequence(Qt::CTRL | Qt::Key_Z);
    case ID_EDIT_REDO:
        return QKeySequence(Qt::CTRL | Qt::Key_Y);
    case ID_EDIT_SELECT_ALL:
        return QKeySequence(Qt::CTRL | Qt::Key_A);
    case ID_EDIT_FIND:
        return QKeySequence(Qt::CTRL | Qt::Key_F);
    case ID_EDIT_REPEAT:
        return QKeySequence(Qt::Key_F3);
    case ID_EDIT_GOTO:
        return QKeySequence(Qt::CTRL | Qt::Key_G);
    default:
        return {};
    }
}

void CDumpEdit::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    QPoint client = event->pos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // Asked for from the keyboard: show it near the top-left corner; caret and selection stay.
        client = QPoint(5, 5);
    } else if (HasBytes()) {
        const HitResult hit = HitTest(client);
        if (!HasSelection() || hit.index < selFirst_ || hit.index > selLast_) {
            if (HasSelection()) {
                SetSelection(kNoByte, kNoByte, false, true);
            }
            PlaceCaret(hit.index, true);
        }
    }

    QMenu menu(this);
    const auto addCommand = [&](const QString& text, int command) {
        // The key after a tab shows as the item's shortcut; the control itself handles the key.
        QAction* action =
            menu.addAction(text + QLatin1Char('\t') + CommandKey(command).toString(QKeySequence::NativeText));
        action->setData(command);
        action->setEnabled(IsCommandEnabled(command));
    };
    addCommand(tr("Copy"), ID_EDIT_COPY);
    addCommand(tr("Paste"), ID_EDIT_PASTE);
    menu.addSeparator();
    addCommand(tr("Undo"), ID_EDIT_UNDO);
    addCommand(tr("Redo"), ID_EDIT_REDO);
    CustomizeContextMenu(&menu);
    if (QAction* chosen = ExecContextMenu(menu, viewport()->mapToGlobal(client))) {
        HandleCommand(chosen->data().toInt());
    }
}

void CDumpEdit::CustomizeContextMenu(QMenu*) {}

QAction* CDumpEdit::ExecContextMenu(QMenu& menu, const QPoint& globalPos)
{
    return menu.exec(globalPos);
}

}  // namespace dumpedit
