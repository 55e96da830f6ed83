// SPDX-License-Identifier: GPL-3.0-or-later
// Clipboard commands and the context menu of CDumpEdit.
#include <QContextMenuEvent>
#include <QMenu>

#include <cstdint>
#include <cstring>

#include "dumpedit/core/DumpClipboardFormat.h"
#include "dumpedit/core/DumpEditing.h"
#include "dumpedit/core/DumpHexText.h"
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

void CDumpEdit::PasteClipboard()
{
    if (readOnly_ || !HasBytes()) {
        return;
    }
    if (const std::optional<std::vector<std::uint8_t>> block = Clipboard().BinaryData()) {
        if (const std::optional<BinaryBlockView> data = DecodeBinaryBlock(*block)) {
            PasteBytes(data->bytes, data->count);
        }
        return;
    }
    // Hex text copied from elsewhere: only when it is nothing but digit pairs and blanks.
    if (const std::optional<std::vector<std::uint8_t>> bytes = ClipboardHexText()) {
        PasteBytes(bytes->data(), static_cast<quint32>(bytes->size()));
    }
}

std::optional<std::vector<std::uint8_t>> CDumpEdit::ClipboardHexText() const
{
    const std::optional<std::string> text = Clipboard().Text();
    if (!text) {
        return std::nullopt;
    }
    return ParseHexBytes(*text);
}

void CDumpEdit::PasteBytes(const quint8* data, quint32 count)
{
    const quint32 pos = HasSelection() ? selFirst_ : caretPos_;
    count = PasteCount(pos, count, size_);
    // Nothing to write (an empty block): selection, caret and bytes stay as they are.
    if (count == 0) {
        return;
    }
    const std::vector<std::uint8_t> before(buffer_ + pos, buffer_ + pos + count);
    std::memcpy(buffer_ + pos, data, count);
    history_.RecordOverwrite(pos, before, std::vector<std::uint8_t>(buffer_ + pos, buffer_ + pos + count));
    const quint32 last = pos + count - 1;
    SetSelection(pos, last, true, false);
    PlaceCaret(last, false);
    viewport()->update();
    NotifyChange();
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
    QAction* copy = menu.addAction(QStringLiteral("Copy"));
    copy->setData(ID_EDIT_COPY);
    copy->setEnabled(HasSelection());
    QAction* paste = menu.addAction(QStringLiteral("Paste"));
    paste->setData(ID_EDIT_PASTE);
    paste->setEnabled(HasBytes() && !readOnly_ && (Clipboard().HasBinaryData() || ClipboardHexText()));
    menu.addSeparator();
    QAction* undo = menu.addAction(QStringLiteral("Undo"));
    undo->setData(ID_EDIT_UNDO);
    undo->setEnabled(CanUndo());
    QAction* redo = menu.addAction(QStringLiteral("Redo"));
    redo->setData(ID_EDIT_REDO);
    redo->setEnabled(CanRedo());
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
