// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QKeySequence>
#include <QRect>
#include <QTimer>

#include <cstdint>
#include <functional>

#include "dumpedit/core/DumpByteStates.h"
#include "dumpedit/core/DumpClipboard.h"
#include "dumpedit/core/DumpHistory.h"
#include "dumpedit/core/DumpHitTest.h"
#include "dumpedit/core/DumpLayout.h"
#include "dumpedit/widget/DumpPrompts.h"
#include "dumpedit/widget/GlyphRowPainter.h"

class QMenu;
class QPainter;

namespace dumpedit {

// Colours travel as 0x00BBGGRR values.
using ColorRef = quint32;

// Hex dump editor over a byte buffer that its owner keeps alive; the control never copies,
// resizes or frees it. Rows show the address, the bytes in hex and the bytes as characters.
class CDumpEdit : public QAbstractScrollArea {
    Q_OBJECT

public:
    // Margins, scroll bars, rows of the configured width, auto-scroll while dragging, and the
    // selection visible also without the focus. Without it: one row holding the whole buffer.
    static constexpr quint32 DES_MULTILINE = 0x0004;
    static constexpr quint32 WS_TABSTOP = 0x00010000;
    static constexpr quint32 WS_BORDER = 0x00800000;
    static constexpr quint32 kNoByte = dumpedit::kNoByte;
    static constexpr int ID_EDIT_COPY = 0xE122;
    static constexpr int ID_EDIT_FIND = 0xE124;
    static constexpr int ID_EDIT_PASTE = 0xE125;
    static constexpr int ID_EDIT_REPEAT = 0xE128;
    static constexpr int ID_EDIT_SELECT_ALL = 0xE12A;
    static constexpr int ID_EDIT_UNDO = 0xE12B;
    static constexpr int ID_EDIT_REDO = 0xE12C;
    static constexpr int ID_EDIT_GOTO = 0x8016;

    explicit CDumpEdit(QWidget* parent = nullptr, quint32 style = 0);
    ~CDumpEdit() override;

    void SetBuffer(quint8* bytes, quint32 size, bool redraw);
    quint8* Buffer() const { return buffer_; }
    quint32 Size() const { return size_; }

    void SetBytesPerRow(quint32 count, bool autoFit, bool redraw);
    void ShowAddressColumn(bool show, bool redraw);
    void ShowCharColumn(bool show, bool redraw);
    void SetAddressDigits(quint8 digits, bool redraw);
    void SetMarkColors(ColorRef outline, ColorRef fill, ColorRef text, bool redraw);
    virtual void SetReadOnly(bool readOnly, bool redraw);
    bool IsReadOnly() const { return readOnly_; }
    void Enable(bool enable) { setEnabled(enable); }

    bool HasSelection() const;
    bool GetSelection(quint32& first, quint32& last) const;
    void SetSelection(quint32 first, quint32 last, bool ensureVisible, bool redraw);
    bool GetMarkedRange(quint32& first, quint32& last) const;
    void SetMarkedRange(quint32 first, quint32 last, bool ensureVisible, bool redraw);

    // Only fixed-pitch fonts are taken; anything else leaves the current font in place.
    void SetDumpFont(const QFont& font, bool redraw);
    const QFont& DumpFont() const { return font_; }
    // Whether every byte would show at `font` in the control's area, with no need to scroll.
    bool ShowsAllAt(const QFont& font) const;

    // The id carried by the change notification (the dialog item id on a form).
    void SetControlId(int id) { controlId_ = id; }
    int ControlId() const { return controlId_; }
    quint32 Style() const { return style_; }

    void SetTopRow(quint32 row, bool redraw);
    void SetHorzPos(int pos, bool redraw);
    void ScrollRows(int delta, bool redraw);
    void ScrollPixels(int delta, bool redraw);
    void EnsureVisible(quint32 first, quint32 last, bool redraw);
    dumpedit::HitResult HitTest(QPoint client);

    // Clipboard commands; also reached by Ctrl+C, Ctrl+V, Ctrl+A and the context menu.
    void CopySelection();
    void PasteClipboard();
    void SelectAll();
    // Runs one of the ID_EDIT_ commands above; false for any other command.
    bool HandleCommand(int commandId);
    // Whether the command can do something now (a disabled control can do nothing); false for a
    // command the control does not know. Menus enable their items by it.
    bool IsCommandEnabled(int commandId) const;
    // The key that runs an ID_EDIT_ command in the control, as menus show it; empty for none.
    static QKeySequence CommandKey(int commandId);
    // The clipboard the commands use; nullptr means the application clipboard. Not owned.
    void SetClipboard(dumpedit::IDumpClipboard* clipboard);

    // Undo and redo of typed digits and pastes; also Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z. Attaching
    // a buffer starts an empty history.
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    // The owner saved the bytes: they become the reference for changed bytes and the state that
    // IsAtSavedState recognises.
    void MarkSaved();
    // Bytes [first, last] were read from elsewhere (a device): the history goes, since its steps
    // no longer fit the bytes, and those bytes become the reference. `atSaved`: the owner counts
    // the buffer as saved.
    void AcceptRead(quint32 first, quint32 last, bool atSaved);
    // Whether undo and redo led back to the bytes as attached or last saved.
    bool IsAtSavedState() const { return history_.IsAtSaved(); }

    // Changed bytes (against the reference) and differences reported by a compare are drawn in
    // their own text colours; a difference wins over a change.
    dumpedit::ByteState ByteStateAt(quint32 pos) const;
    void SetDifferences(std::vector<bool> differences, bool redraw);
    void SetStateColors(ColorRef changedText, ColorRef differsText, bool redraw);

    // Ctrl+G: asks for a hex address and moves the caret there.
    void GoToAddress();
    // Ctrl+F: asks for hex bytes or text and selects the next match; F3 finds the following one.
    void Find();
    void FindNext();
    // The questions of GoToAddress and Find; nullptr means the input dialog. Not owned.
    void SetPrompts(dumpedit::IDumpPrompts* prompts);
    // "Addr 1F  Value 3C  60  00111100" for the caret's byte; empty without bytes.
    const QString& CaretStatusText() const { return caretStatus_; }

    quint32 TopRow() const { return topRow_; }
    int HorzPos() const { return hScroll_; }
    quint32 CaretPos() const { return caretPos_; }
    bool CaretHigh() const { return caretHigh_; }
    // The caret's cell in client coordinates; empty while the caret does not exist.
    QRect CaretRect() const { return caretCreated_ ? caretRect_ : QRect(); }
    const dumpedit::DumpLayout& Layout();
    // Id of the running auto-scroll timer, 0 while none runs.
    int AutoScrollTimerId() const { return timerActive_ ? autoScrollTimerId_ : 0; }

    // Paints the client area with the current state, as a repaint does. Rows that cannot reach
    // into `area` are left out; an empty area stands for the whole client area.
    void PaintTo(QPainter& painter, const QRect& area = QRect());
    // Repaints the row of a byte whose value changed in the buffer; nothing while it is out of view.
    void RedrawByte(quint32 index);

signals:
    // The user changed bytes of the buffer; emitted synchronously.
    void Changed(int controlId);
    // The caret's byte or its value changed; the text is CaretStatusText().
    void CaretStatusChanged(const QString& text);
    // A short message for a status line: a search that found nothing, a paste that could not be
    // used or was cut at the end of the buffer.
    void StatusMessage(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    // Called with the context menu just before it shows; adds nothing here.
    virtual void CustomizeContextMenu(QMenu* menu);
    // Shows the menu at a global point and returns the chosen action (nullptr when none).
    virtual QAction* ExecContextMenu(QMenu& menu, const QPoint& globalPos);

private:
    // Overwrites the digit under the caret; with Shift held the move extends the selection.
    void EnterHexDigit(char32_t ch, bool shift);
    void MoveCaret(std::int64_t delta, bool high, bool shift);
    void PlaceCaret(quint32 pos, bool high);
    void DestroyCaret();
    void NotifyChange();
    void UpdateCaretStatus();
    void ApplyHistoryStep(std::optional<dumpedit::EditSpan> span);
    void PasteBytes(const quint8* bytes, quint32 count);
    bool CanPaste() const;
    std::optional<std::vector<std::uint8_t>> ClipboardHexText() const;
    bool SearchFrom(quint32 from);
    dumpedit::IDumpPrompts& Prompts() const;
    void Redraw(bool redraw);
    void RelayoutForOptions(bool redraw);
    bool IsMultiline() const { return (style_ & DES_MULTILINE) != 0; }
    // A buffer with at least one byte: the only state in which the caret, keys and paste act.
    bool HasBytes() const { return buffer_ != nullptr && size_ > 0; }
    quint32 ClampToBuffer(quint32 pos) const;
    dumpedit::DumpLayoutOptions LayoutOptions() const;
    void RecalcLayout();
    void PostUpdateScrollBars();
    void UpdateScrollBars();
    // Calls paintRow for every row a paint covers: its bytes [start, end) and its top.
    void ForEachPaintRow(
        const std::function<void(std::uint32_t start, std::uint32_t end, int rowTop)>& paintRow) const;
    void PaintAddressColumn(QPainter& p);
    void PaintHexColumn(QPainter& p);
    void PaintCharColumn(QPainter& p);
    void PaintHexRowSelection(QPainter& p, const QString& text, int begin, int end, int left, int rowTop,
                              std::uint32_t rowStart);
    void PaintCaret(QPainter& p);
    void ToggleCaretBlink();
    void StartAutoScroll(QPoint point, int direction, quint16 delay);
    void StopAutoScroll();
    void SelectFromAnchorTo(quint32 pos);
    dumpedit::IDumpClipboard& Clipboard() const;

    quint32 style_;
    int controlId_ = 0;

    quint8* buffer_ = nullptr;
    quint32 size_ = 0;
    quint32 configuredBytesPerRow_ = 16;
    bool autoFitRow_ = false;
    quint32 addressDigits_ = 8;
    bool showAddress_ = false;
    bool showChars_ = false;
    bool readOnly_ = false;

    quint32 selFirst_ = kNoByte;
    quint32 selLast_ = kNoByte;
    quint32 markFirst_ = kNoByte;
    quint32 markLast_ = kNoByte;

    quint32 caretPos_ = 0;
    bool caretHigh_ = true;
    quint32 anchor_ = kNoByte;
    bool caretCreated_ = false;
    bool caretShown_ = true;  // blink phase
    QRect caretRect_;
    QRect paintArea_;  // of the paint in progress

    quint32 topRow_ = 0;
    int hScroll_ = 0;
    dumpedit::DumpLayout layout_;
    bool layoutStale_ = true;

    QTimer caretBlink_;
    dumpedit::Rect dragRect_{-1, -1, -1, -1};
    QPoint scrollPoint_;
    int scrollDirection_ = 0;
    quint16 scrollDelay_ = 0;
    quint16 scrollCountdown_ = 0;
    bool timerActive_ = false;
    int autoScrollTimerId_ = 0;
    dumpedit::IDumpClipboard* clipboard_ = nullptr;
    dumpedit::IDumpPrompts* prompts_ = nullptr;

    dumpedit::DumpHistory history_;
    dumpedit::DumpByteStates byteStates_;
    QString caretStatus_;
    QString findQuery_;
    std::vector<std::uint8_t> findPattern_;

    bool scrollBarUpdatePending_ = false;
    bool updatingScrollBars_ = false;

    QFont font_;
    int fontAscent_ = 0;
    CGlyphRowPainter rowPainter_;  // follows font_, rebuilt at layout

    QColor addressBackground_{0xFF, 0xFF, 0xFF};
    QColor addressText_{0x00, 0x00, 0x80};
    QColor charsBackground_{0xFF, 0xFF, 0xFF};
    QColor charsText_{0x00, 0x00, 0x80};
    QColor markFill_{0x00, 0x5A, 0xD2};
    QColor markText_{0x00, 0xC8, 0x00};
    QColor markOutline_{0x00, 0xFF, 0xFF};
    QColor hexText_{0x00, 0x00, 0x00};
    QColor changedText_{0xC0, 0x00, 0xC0};
    QColor differsText_{0xE0, 0x60, 0x00};
    QColor hexBackground_{0xFF, 0xFF, 0xFF};
    QColor controlBackground_{0xD2, 0xD2, 0xD2};
    QColor inactiveSelectionText_;
    QColor inactiveSelectionFill_;
    QColor activeSelectionText_;
    QColor activeSelectionFill_;
};

}  // namespace dumpedit
