// SPDX-License-Identifier: GPL-3.0-or-later
// Caret movement, keys, typing, focus, mouse selection and auto-scroll of CDumpEdit.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimerEvent>

#include <algorithm>
#include <cstdint>

#include "dumpedit/core/DumpEditing.h"
#include "dumpedit/widget/CDumpEdit.h"

namespace dumpedit {

using namespace dumpedit;

namespace {

constexpr int kAutoScrollPeriodMs = 5;

std::optional<DumpKey> NavigationKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
        return DumpKey::PageUp;
    case Qt::Key_PageDown:
        return DumpKey::PageDown;
    case Qt::Key_Home:
        return DumpKey::Home;
    case Qt::Key_End:
        return DumpKey::End;
    case Qt::Key_Left:
        return DumpKey::Left;
    case Qt::Key_Right:
        return DumpKey::Right;
    case Qt::Key_Up:
        return DumpKey::Up;
    case Qt::Key_Down:
        return DumpKey::Down;
    default:
        return std::nullopt;
    }
}

// Ctrl+A, Ctrl+C and Ctrl+V belong to the control while it has the focus.
bool IsOwnShortcut(const QKeyEvent& e)
{
    return (e.modifiers() & Qt::ControlModifier) &&
           (e.key() == Qt::Key_A || e.key() == Qt::Key_C || e.key() == Qt::Key_V);
}

// So do undo, redo, go to, find and find next.
bool IsEditorShortcut(const QKeyEvent& e)
{
    if (e.key() == Qt::Key_F3 && !(e.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        return true;
    }
    return (e.modifiers() & Qt::ControlModifier) && !(e.modifiers() & Qt::AltModifier) &&
           (e.key() == Qt::Key_Z || e.key() == Qt::Key_Y || e.key() == Qt::Key_G || e.key() == Qt::Key_F);
}

Point ToPoint(QPoint p)
{
    return Point{p.x(), p.y()};
}

}  // namespace

bool CDumpEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && (IsOwnShortcut(*static_cast<QKeyEvent*>(event)) ||
                                                      IsEditorShortcut(*static_cast<QKeyEvent*>(event)))) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void CDumpEdit::keyPressEvent(QKeyEvent* event)
{
    // Every key is the control's (Tab never gets here: it moves the focus).
    event->accept();
    const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
    if (shift && anchor_ == kNoByte) {
        anchor_ = caretPos_;
    }
    if (IsOwnShortcut(*event)) {
        switch (event->key()) {
        case Qt::Key_A:
            SelectAll();
            break;
        case Qt::Key_C:
            CopySelection();
            break;
        default:
            PasteClipboard();
            break;
        }
        return;
    }
    if (IsEditorShortcut(*event)) {
        switch (event->key()) {
        case Qt::Key_Z:
            if (event->modifiers() & Qt::ShiftModifier) {
                Redo();
            } else {
                Undo();
            }
            break;
        case Qt::Key_Y:
            Redo();
            break;
        case Qt::Key_G:
            GoToAddress();
            break;
        case Qt::Key_F:
            Find();
            break;
        default:
            FindNext();
            break;
        }
        return;
    }
    if (const std::optional<DumpKey> key = NavigationKey(event->key())) {
        history_.CloseGroup();
        if (HasBytes()) {
            const KeyMove move = MoveForKey(*key, caretHigh_, Layout().bytesPerRow, layout_.visibleRows);
            MoveCaret(move.delta, move.high, shift);
        }
        return;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return;
    }
    for (const char32_t ch : event->text().toUcs4()) {
        if (ch != U'\b') {
            EnterHexDigit(ch, shift);
        }
    }
}

void CDumpEdit::MoveCaret(std::int64_t delta, bool high, bool shift)
{
    // A buffer of no bytes has no caret position to move to.
    if (!HasBytes()) {
        return;
    }
    if (!shift) {
        anchor_ = selFirst_ = selLast_ = kNoByte;
    }
    const CaretTarget target = MoveTarget(caretPos_, delta, high, size_);
    if (shift && anchor_ != kNoByte) {
        selFirst_ = std::min(anchor_, target.pos);
        selLast_ = std::max(anchor_, target.pos);
    }
    EnsureVisible(target.pos, target.pos, true);
    PlaceCaret(target.pos, target.high);
}

void CDumpEdit::EnterHexDigit(char32_t ch, bool shift)
{
    if (!HasBytes() || readOnly_) {
        return;
    }
    const std::optional<std::uint8_t> value = HexDigitValue(ch);
    if (!value) {
        return;
    }
    quint8& byte = buffer_[caretPos_];
    const quint8 before = byte;
    byte = OverwriteNibble(byte, caretHigh_, *value);
    history_.RecordTyping(caretPos_, before, byte);
    if (caretHigh_) {
        MoveCaret(0, false, shift);
    } else {
        MoveCaret(1, true, shift);
    }
    viewport()->update();
    NotifyChange();
}

void CDumpEdit::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    if (buffer_ != nullptr) {
        PlaceCaret(caretPos_, caretHigh_);
        viewport()->update();
    }
}

void CDumpEdit::focusOutEvent(QFocusEvent* event)
{
    DestroyCaret();
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void CDumpEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (!HasBytes()) {
        return;
    }
    history_.CloseGroup();
    const QPoint point = event->position().toPoint();
    const HitResult hit = HitTest(point);
    // Shift extends the selection from its anchor (the caret when there is none) to the click.
    if (event->modifiers() & Qt::ShiftModifier) {
        if (anchor_ == kNoByte)
            anchor_ = caretPos_;
        PlaceCaret(hit.index, hit.high);
        dragRect_ = Rect{-1, -1, -1, -1};
        SelectFromAnchorTo(hit.index);
        return;
    }
    PlaceCaret(hit.index, hit.high);
    const int distance = QApplication::startDragDistance();
    dragRect_ = DragRect(ToPoint(point), distance, distance);
    selFirst_ = kNoByte;
    anchor_ = hit.index;
    // The press grabs the mouse for the control until the release.
}

void CDumpEdit::mouseMoveEvent(QMouseEvent* event)
{
    if (!HasBytes() || !(event->buttons() & Qt::LeftButton) || anchor_ == kNoByte) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (dragRect_.Contains(ToPoint(point))) {
        return;
    }
    dragRect_ = Rect{-1, -1, -1, -1};
    const Rect& text = Layout().textRect;
    if (!text.Contains(ToPoint(point)) && IsMultiline()) {
        if (const std::optional<AutoScroll> scroll = AutoScrollFor(ToPoint(point), text)) {
            StartAutoScroll(point, scroll->direction, scroll->delay);
        }
        scrollPoint_ = point;
    } else {
        StopAutoScroll();
    }
    const HitResult hit = HitTest(point);
    PlaceCaret(hit.index, hit.high);
    SelectFromAnchorTo(hit.index);
}

void CDumpEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    StopAutoScroll();
    viewport()->update();
}

void CDumpEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (!HasBytes()) {
        return;
    }
    history_.CloseGroup();
    const HitResult hit = HitTest(event->position().toPoint());
    PlaceCaret(hit.index, hit.high);
    const bool inMark =
        markFirst_ != kNoByte && markLast_ != kNoByte && markFirst_ <= hit.index && hit.index <= markLast_;
    selFirst_ = inMark ? markFirst_ : hit.index;
    selLast_ = inMark ? markLast_ : hit.index;
    viewport()->update();
}

void CDumpEdit::SelectFromAnchorTo(quint32 pos)
{
    selFirst_ = std::min(anchor_, pos);
    selLast_ = std::max(anchor_, pos);
    viewport()->update();
}

void CDumpEdit::StartAutoScroll(QPoint point, int direction, quint16 delay)
{
    if (!HasBytes()) {
        return;
    }
    scrollPoint_ = point;
    scrollDirection_ = direction;
    scrollDelay_ = delay;
    // A running timer picks the new values up at its next tick.
    if (timerActive_ || !IsMultiline()) {
        return;
    }
    timerActive_ = true;
    scrollCountdown_ = delay;
    autoScrollTimerId_ = startTimer(kAutoScrollPeriodMs, Qt::PreciseTimer);
}

void CDumpEdit::StopAutoScroll()
{
    if (timerActive_) {
        timerActive_ = false;
        killTimer(autoScrollTimerId_);
        autoScrollTimerId_ = 0;
    }
}

void CDumpEdit::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != autoScrollTimerId_ || autoScrollTimerId_ == 0) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    if (!HasBytes() || !timerActive_) {
        return;
    }
    if (scrollCountdown_ > 0) {
        --scrollCountdown_;
        return;
    }
    scrollCountdown_ = scrollDelay_;
    ScrollRows(scrollDirection_, false);
    const HitResult hit = HitTest(scrollPoint_);
    PlaceCaret(hit.index, hit.high);
    SelectFromAnchorTo(hit.index);
}

}  // namespace dumpedit
