// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/widget/CDumpEdit.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPalette>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <limits>

#include "dumpedit/core/DumpCaretGeometry.h"
#include "dumpedit/core/DumpCaretStatus.h"
#include "dumpedit/core/DumpCodePage.h"
#include "dumpedit/core/DumpScrolling.h"
#include "dumpedit/widget/DumpEditClasses.h"
#include "dumpedit/widget/DumpFont.h"

namespace dumpedit {

using namespace dumpedit;

CDumpEdit::CDumpEdit(QWidget* parent, quint32 style)
    : QAbstractScrollArea(parent), style_(style), font_(DefaultDumpFont())
{
    RegisterDumpEditClasses();
    const QPalette colours = palette();
    activeSelectionFill_ = colours.color(QPalette::Active, QPalette::Highlight);
    activeSelectionText_ = colours.color(QPalette::Active, QPalette::HighlightedText);
    inactiveSelectionFill_ = colours.color(QPalette::Active, QPalette::Button);
    inactiveSelectionText_ = colours.color(QPalette::Active, QPalette::WindowText);

    setFrameStyle((style_ & WS_BORDER) ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
    setFocusPolicy((style_ & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    // Every paint covers the whole client area: no background erase, so nothing flickers.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

    const Qt::ScrollBarPolicy policy = IsMultiline() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setVerticalScrollBarPolicy(policy);
    setHorizontalScrollBarPolicy(policy);
    verticalScrollBar()->setRange(0, 0);
    horizontalScrollBar()->setRange(0, 0);
    connect(&caretBlink_, &QTimer::timeout, this, &CDumpEdit::ToggleCaretBlink);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!updatingScrollBars_ && buffer_ != nullptr) {
            SetTopRow(static_cast<quint32>(std::max(value, 0)), true);
        }
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!updatingScrollBars_ && buffer_ != nullptr) {
            SetHorzPos(value, true);
        }
    });
}

CDumpEdit::~CDumpEdit() = default;

void CDumpEdit::Redraw(bool redraw)
{
    if (redraw) {
        viewport()->update();
    }
}

void CDumpEdit::RedrawByte(quint32 index)
{
    // A value never moves the mark outline, so the row's band holds every pixel that can change.
    const Rect row = ByteRowRect(Layout(), topRow_, size_, index);
    if (row.Width() > 0 && row.Height() > 0) {
        viewport()->update(row.left, row.top, row.Width(), row.Height());
    }
    if (index == caretPos_) {
        UpdateCaretStatus();
    }
}

quint32 CDumpEdit::ClampToBuffer(quint32 pos) const
{
    return (pos != kNoByte && pos >= size_) ? size_ - 1 : pos;
}

void CDumpEdit::RelayoutForOptions(bool redraw)
{
    layoutStale_ = true;
    // Placing the caret lays out again.
    PlaceCaret(caretPos_, caretHigh_);
    Redraw(redraw);
}

void CDumpEdit::SetBuffer(quint8* bytes, quint32 size, bool redraw)
{
    anchor_ = selFirst_ = selLast_ = kNoByte;
    markFirst_ = markLast_ = kNoByte;
    buffer_ = bytes;
    size_ = size;
    // New contents: nothing to undo, and nothing changed yet.
    history_.Clear(true);
    byteStates_.Reset(bytes, size);
    byteStates_.ClearDifferences();
    layoutStale_ = true;
    Redraw(redraw);
    PlaceCaret(0, true);
}

void CDumpEdit::SetBytesPerRow(quint32 count, bool autoFit, bool redraw)
{
    if (count == configuredBytesPerRow_ && autoFit == autoFitRow_) {
        return;
    }
    configuredBytesPerRow_ = count;
    autoFitRow_ = autoFit;
    RelayoutForOptions(redraw);
}

void CDumpEdit::ShowAddressColumn(bool show, bool redraw)
{
    if (show == showAddress_) {
        return;
    }
    showAddress_ = show;
    RelayoutForOptions(redraw);
}

void CDumpEdit::ShowCharColumn(bool show, bool redraw)
{
    if (show == showChars_) {
        return;
    }
    showChars_ = show;
    RelayoutForOptions(redraw);
}

void CDumpEdit::SetAddressDigits(quint8 digits, bool redraw)
{
    addressDigits_ = digits;
    RelayoutForOptions(redraw);
}

namespace {
QColor FromColorRef(ColorRef c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}
}  // namespace

void CDumpEdit::SetMarkColors(ColorRef outline, ColorRef fill, ColorRef text, bool redraw)
{
    markOutline_ = FromColorRef(outline);
    markFill_ = FromColorRef(fill);
    markText_ = FromColorRef(text);
    Redraw(redraw);
}

void CDumpEdit::SetStateColors(ColorRef changedText, ColorRef differsText, bool redraw)
{
    changedText_ = FromColorRef(changedText);
    differsText_ = FromColorRef(differsText);
    Redraw(redraw);
}

void CDumpEdit::SetReadOnly(bool readOnly, bool redraw)
{
    readOnly_ = readOnly;
    Redraw(redraw);
}

bool CDumpEdit::HasSelection() const
{
    return selFirst_ != kNoByte && selLast_ != kNoByte;
}

bool CDumpEdit::GetSelection(quint32& first, quint32& last) const
{
    if (!HasSelection()) {
        first = last = kNoByte;
        return false;
    }
    first = selFirst_;
    last = selLast_;
    return true;
}

void CDumpEdit::SetSelection(quint32 first, quint32 last, bool ensureVisible, bool redraw)
{
    if (first == selFirst_ && last == selLast_) {
        return;
    }
    selFirst_ = ClampToBuffer(first);
    selLast_ = ClampToBuffer(last);
    if (ensureVisible && HasSelection()) {
        EnsureVisible(selFirst_, selLast_, false);
    }
    Redraw(redraw);
}

bool CDumpEdit::GetMarkedRange(quint32& first, quint32& last) const
{
    first = markFirst_;
    last = markLast_;
    return first != kNoByte && last != kNoByte;
}

void CDumpEdit::SetMarkedRange(quint32 first, quint32 last, bool ensureVisible, bool redraw)
{
    if (first == markFirst_ && last == markLast_) {
        return;
    }
    markFirst_ = ClampToBuffer(first);
    markLast_ = ClampToBuffer(last);
    // A cleared mark has nothing to bring into view (its "none" ends would scroll to the bottom).
    if (ensureVisible && markFirst_ != kNoByte && markLast_ != kNoByte) {
        EnsureVisible(markFirst_, markLast_, false);
    }
    Redraw(redraw);
}

void CDumpEdit::SetDumpFont(const QFont& font, bool redraw)
{
    if (IsFixedPitchFont(font)) {
        font_ = GridAlignedFont(font);
    }
    layoutStale_ = true;
    Redraw(redraw);
}

void CDumpEdit::changeEvent(QEvent* event)
{
    // A font handed down by the parent is taken only when it is fixed pitch; painting always
    // uses font_, so a proportional parent font never reaches the text.
    if (event->type() == QEvent::FontChange) {
        SetDumpFont(font(), true);
    }
    QAbstractScrollArea::changeEvent(event);
}

namespace {
// The characters the character column shows for bytes 0xA0..0xFF.
const QString& UpperHalfGlyphs()
{
    static const QString glyphs = [] {
        QString text;
        for (int byte = 0xA0; byte <= 0xFF; ++byte) {
            text.append(QChar(GlyphForByte(static_cast<std::uint8_t>(byte))));
        }
        return text;
    }();
    return glyphs;
}
}  // namespace

const DumpLayout& CDumpEdit::Layout()
{
    if (layoutStale_) {
        RecalcLayout();
    }
    return layout_;
}

void CDumpEdit::RecalcLayout()
{
    layoutStale_ = false;
    const QFontMetrics metrics(font_);
    fontAscent_ = metrics.ascent();
    const int charWidth = metrics.horizontalAdvance(QLatin1Char('0'));
    rowPainter_ = CGlyphRowPainter(font_, charWidth, UpperHalfGlyphs());
    const DumpLayoutOptions options = LayoutOptions();
    const QSize client = viewport()->size();
    layout_ = ComputeDumpLayout(options, charWidth, metrics.height(), client.width(), client.height());
    topRow_ = std::min(topRow_, layout_.maxTopRow);
    hScroll_ = std::min(hScroll_, layout_.maxHScroll);
    PostUpdateScrollBars();
}

bool CDumpEdit::ShowsAllAt(const QFont& font) const
{
    const QFontMetrics metrics(GridAlignedFont(font));
    const DumpLayoutOptions options = LayoutOptions();
    // The area without scroll bars, which go once everything shows.
    const QSize client = contentsRect().size();
    const DumpLayout layout = ComputeDumpLayout(options, metrics.horizontalAdvance(QLatin1Char('0')),
                                                metrics.height(), client.width(), client.height());
    return layout.maxTopRow == 0 && layout.maxHScroll == 0;
}

DumpLayoutOptions CDumpEdit::LayoutOptions() const
{
    DumpLayoutOptions options;
    options.size = size_;
    options.configuredBytesPerRow = configuredBytesPerRow_;
    options.autoFitRow = autoFitRow_;
    options.addressDigits = addressDigits_;
    options.showAddress = showAddress_;
    options.showChars = showChars_;
    options.multiline = IsMultiline();
    return options;
}

void CDumpEdit::PostUpdateScrollBars()
{
    // Deferred: showing or hiding a bar resizes the viewport, which lays out again.
    if (scrollBarUpdatePending_) {
        return;
    }
    scrollBarUpdatePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            scrollBarUpdatePending_ = false;
            UpdateScrollBars();
        },
        Qt::QueuedConnection);
}

void CDumpEdit::UpdateScrollBars()
{
    if (!IsMultiline()) {
        return;
    }
    updatingScrollBars_ = true;
    QScrollBar* vertical = verticalScrollBar();
    if (layout_.maxTopRow > 0) {
        topRow_ = std::min(topRow_, layout_.maxTopRow);
        // Qt's maximum is the last top row; the page is the rows wholly in view.
        vertical->setRange(0, static_cast<int>(layout_.maxTopRow));
        vertical->setPageStep(static_cast<int>(std::max<quint32>(layout_.fullRows, 1)));
        vertical->setSingleStep(1);
        vertical->setValue(static_cast<int>(topRow_));
    } else {
        vertical->setRange(0, 0);
    }
    QScrollBar* horizontal = horizontalScrollBar();
    if (layout_.maxHScroll > 0) {
        hScroll_ = std::min(hScroll_, layout_.maxHScroll);
        horizontal->setRange(0, layout_.maxHScroll);
        horizontal->setPageStep(std::max(layout_.textRect.Width(), 1));
        horizontal->setSingleStep(layout_.charWidth);
        horizontal->setValue(hScroll_);
    } else {
        horizontal->setRange(0, 0);
    }
    updatingScrollBars_ = false;
}

void CDumpEdit::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    RecalcLayout();
    PlaceCaret(caretPos_, caretHigh_);
    UpdateScrollBars();
}

void CDumpEdit::scrollContentsBy(int, int)
{
    // Scroll positions are kept by SetTopRow and SetHorzPos; the next paint draws from them.
}

void CDumpEdit::SetTopRow(quint32 row, bool redraw)
{
    if (!IsMultiline()) {
        return;
    }
    Layout();
    row = ClampTopRow(row, layout_);
    updatingScrollBars_ = true;
    verticalScrollBar()->setValue(static_cast<int>(row));
    updatingScrollBars_ = false;
    const bool changed = row != topRow_;
    topRow_ = row;
    PlaceCaret(caretPos_, caretHigh_);
    Redraw(changed && redraw);
}

void CDumpEdit::SetHorzPos(int pos, bool redraw)
{
    Layout();
    pos = ClampHorzPos(pos, layout_);
    updatingScrollBars_ = true;
    horizontalScrollBar()->setValue(pos);
    updatingScrollBars_ = false;
    const bool changed = pos != hScroll_;
    hScroll_ = pos;
    PlaceCaret(caretPos_, caretHigh_);
    Redraw(changed && redraw);
}

void CDumpEdit::ScrollRows(int delta, bool redraw)
{
    const std::int64_t row = OffsetPosition(topRow_, delta);
    SetTopRow(static_cast<quint32>(std::min<std::int64_t>(row, std::numeric_limits<quint32>::max())), redraw);
}

void CDumpEdit::ScrollPixels(int delta, bool redraw)
{
    const std::int64_t pos = OffsetPosition(hScroll_, delta);
    SetHorzPos(static_cast<int>(std::min<std::int64_t>(pos, std::numeric_limits<int>::max())), redraw);
}

void CDumpEdit::EnsureVisible(quint32 first, quint32 last, bool redraw)
{
    const ScrollTarget target = EnsureVisibleTarget(first, last, Layout(), topRow_, hScroll_);
    if (target.topRow) {
        SetTopRow(*target.topRow, false);
    }
    if (target.hScroll) {
        SetHorzPos(*target.hScroll, false);
    }
    Redraw(redraw);
}

HitResult CDumpEdit::HitTest(QPoint client)
{
    if (size_ == 0) {
        return HitResult{};
    }
    return dumpedit::HitTest(Point{client.x(), client.y()}, Layout(), topRow_, hScroll_, size_,
                             IsMultiline());
}

void CDumpEdit::wheelEvent(QWheelEvent* event)
{
    ScrollRows(WheelRows(event->angleDelta().y()), true);
    event->accept();
}

void CDumpEdit::PlaceCaret(quint32 pos, bool high)
{
    caretPos_ = pos;
    caretHigh_ = high;
    UpdateCaretStatus();
    // Without bytes there is no cell for a caret; one left from an earlier buffer goes.
    if (!HasBytes()) {
        DestroyCaret();
        return;
    }
    Layout();
    const std::optional<Rect> cell =
        hasFocus() ? dumpedit::CaretRect(pos, high, layout_, topRow_, hScroll_) : std::nullopt;
    if (!cell) {
        DestroyCaret();
        return;
    }
    const QRect rect(cell->left, cell->top, cell->Width(), cell->Height());
    if (caretCreated_ && rect == caretRect_) {
        return;
    }
    const bool sameSize = caretCreated_ && rect.size() == caretRect_.size();
    if (caretCreated_) {
        viewport()->update(caretRect_);
    }
    caretRect_ = rect;
    caretCreated_ = true;
    // A moved caret shows at once; the blink restarts from there.
    caretShown_ = true;
    const int flashTime = QApplication::cursorFlashTime();
    if (flashTime > 0 && (!sameSize || !caretBlink_.isActive())) {
        caretBlink_.start(flashTime / 2);
    }
    viewport()->update(caretRect_);
}

void CDumpEdit::DestroyCaret()
{
    if (caretCreated_) {
        viewport()->update(caretRect_);
    }
    caretCreated_ = false;
    caretBlink_.stop();
}

void CDumpEdit::ToggleCaretBlink()
{
    caretShown_ = !caretShown_;
    if (caretCreated_) {
        viewport()->update(caretRect_);
    }
}

void CDumpEdit::NotifyChange()
{
    UpdateCaretStatus();
    emit Changed(controlId_);
}

void CDumpEdit::UpdateCaretStatus()
{
    const QString text = HasBytes() && caretPos_ < size_
                             ? QString::fromStdString(dumpedit::CaretStatusText(
                                   caretPos_, buffer_[caretPos_], addressDigits_, tr("Addr").toStdString(),
                                   tr("Value").toStdString()))
                             : QString();
    if (text != caretStatus_) {
        caretStatus_ = text;
        emit CaretStatusChanged(caretStatus_);
    }
}

}  // namespace dumpedit
