// SPDX-License-Identifier: GPL-3.0-or-later
// Undo, redo and the changed-byte states of CDumpEdit.
#include "dumpedit/widget/CDumpEdit.h"

namespace dumpedit {

bool CDumpEdit::CanUndo() const
{
    return HasBytes() && !readOnly_ && history_.CanUndo();
}

bool CDumpEdit::CanRedo() const
{
    return HasBytes() && !readOnly_ && history_.CanRedo();
}

void CDumpEdit::Undo()
{
    if (CanUndo()) {
        ApplyHistoryStep(history_.Undo(buffer_, size_));
    }
}

void CDumpEdit::Redo()
{
    if (CanRedo()) {
        ApplyHistoryStep(history_.Redo(buffer_, size_));
    }
}

void CDumpEdit::ApplyHistoryStep(std::optional<EditSpan> span)
{
    if (!span || span->count == 0) {
        return;
    }
    // The rewritten bytes are selected, the caret at their start, so the user sees what went.
    const quint32 last = span->first + span->count - 1;
    anchor_ = kNoByte;
    SetSelection(span->first, last, true, false);
    EnsureVisible(span->first, span->first, false);
    PlaceCaret(span->first, true);
    viewport()->update();
    NotifyChange();
}

void CDumpEdit::MarkSaved()
{
    history_.MarkSaved();
    byteStates_.Reset(buffer_, size_);
    viewport()->update();
}

void CDumpEdit::AcceptRead(quint32 first, quint32 last, bool atSaved)
{
    history_.Clear(atSaved);
    byteStates_.Accept(buffer_, first, last);
    viewport()->update();
    UpdateCaretStatus();
}

ByteState CDumpEdit::ByteStateAt(quint32 pos) const
{
    if (!HasBytes() || pos >= size_) {
        return ByteState::Unchanged;
    }
    return byteStates_.StateOf(pos, buffer_[pos]);
}

void CDumpEdit::SetDifferences(std::vector<bool> differences, bool redraw)
{
    byteStates_.SetDifferences(std::move(differences));
    Redraw(redraw);
}

}  // namespace dumpedit
