// Clipboard commands and the context menu of CDumpEdit.
#include <QContextMenuEvent>
#include <QMenu>

#include <cstring>

#include "dumpedit/core/DumpClipboardFormat.h"
#include "dumpedit/core/DumpEditing.h"
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
    const std::optional<std::vector<uint8_t>> block = Clipboard().BinaryData();
    if (!block) {
        return;
    }
    const std::optional<BinaryBlockView> data = DecodeBinaryBlock(*block);
    if (!data) {
        return;
    }
    const quint32 pos = HasSelection() ? selFirst_ : caretPos_;
    const quint32 count = PasteCount(pos, data->count, size_);
    // Nothing to write (an empty block): selection, caret and bytes stay as they are.
    if (count == 0) {
        return;
    }
    std::memcpy(buffer_ + pos, data->bytes, count);
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
    paste->setEnabled(HasBytes() && !readOnly_ && Clipboard().HasBinaryData());
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
