// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CStatusBar.h"

#include <QHelpEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTextLayout>
#include <QToolTip>
#include <qdrawutil.h>
#include <algorithm>
#include <optional>

#include "dumpedit/core/DumpCaretStatus.h"
#include "operation/OperationRecord.h"
#include "res/FormIds.h"
#include "res/StringTable.h"

namespace app {

namespace {
constexpr int kMargin = 2;     // around the panes
constexpr int kGap = 3;        // between panes
constexpr int kTextInset = 3;  // pane text from the pane's edge
constexpr int kPollMs = 250;

std::optional<LockKey> LockKeyOfIndicator(res::ResourceId id)
{
    switch (id) {
    case res::ID_INDICATOR_CAPS:
        return LockKey::Caps;
    case res::ID_INDICATOR_NUM:
        return LockKey::Num;
    case res::ID_INDICATOR_SCRL:
        return LockKey::Scroll;
    default:
        return std::nullopt;
    }
}
}  // namespace

CStatusBar::CStatusBar(QWidget* parent)
    : QStatusBar(parent), lockKeyProbe_([](LockKey key) { return ReadLockKeyLed(key); })
{
    setSizeGripEnabled(false);
    // Prompts of menus and toolbar buttons arrive as status messages.
    connect(this, &QStatusBar::messageChanged, this,
            [this](const QString& message) { SetPaneText(0, message.isEmpty() ? RestingText() : message); });
    startTimer(kPollMs);
}

bool CStatusBar::SetIndicators(const std::vector<res::ResourceId>& ids)
{
    if (ids.empty())
        return false;
    panes_.clear();
    for (const res::ResourceId id : ids) {
        if (id == res::ID_SEPARATOR) {
            panes_.push_back({id, idleText_, 0, false});
            continue;
        }
        if (!res::HasString(id))
            return false;
        const QString text = QString::fromStdString(res::LoadString(id));
        panes_.push_back({id, text, fontMetrics().horizontalAdvance(text) + 2 * kTextInset, false});
    }
    UpdateIndicators();
    update();
    return true;
}

QString CStatusBar::GetPaneText(int index) const
{
    return index >= 0 && index < GetCount() ? panes_[index].text : QString();
}

bool CStatusBar::SetPaneText(int index, const QString& text, bool updateNow)
{
    if (index < 0 || index >= GetCount())
        return false;
    panes_[index].text = text;
    if (index == 0)
        FitMessageLines();
    if (updateNow) {
        repaint();  // the text is wanted on screen before a long step goes on
    } else {
        update();
    }
    return true;
}

PaneRect CStatusBar::GetItemRect(int index) const
{
    if (index < 0 || index >= GetCount())
        return {};
    const int top = kMargin;
    const int bottom = height() - kMargin;
    int right = width() - kMargin;
    // Fixed panes are laid out from the right; the message pane takes what is left.
    for (int i = GetCount() - 1; i > 0; --i) {
        const int left = right - panes_[i].width;
        if (i == index)
            return {left, top, right, bottom};
        right = left - kGap;
    }
    if (!caretText_.isEmpty())
        right = GetCaretRect().left - kGap;
    return {kMargin, top, std::max(kMargin, right), bottom};
}

PaneRect CStatusBar::GetCaretRect() const
{
    if (caretText_.isEmpty())
        return {};
    const int right = GetCount() > 1 ? GetItemRect(1).left - kGap : width() - kMargin;
    // Wide enough for the longest text of the dump, so the pane keeps still: the last address
    // holding 0xFF ("Addr FF  Value FF  255  11111111").
    static const QString widest =
        QString::fromLatin1(dumpedit::CaretStatusText(operation::kEepromBytes - 1, 0xFF, 2));
    const int wanted = fontMetrics().horizontalAdvance(widest);
    const int paneWidth = std::max(wanted, fontMetrics().horizontalAdvance(caretText_)) + 2 * kTextInset;
    return {std::max(kMargin, right - paneWidth), kMargin, right, height() - kMargin};
}

void CStatusBar::SetCaretText(const QString& text)
{
    if (text == caretText_)
        return;
    caretText_ = text;
    FitMessageLines();  // the caret's pane takes its width from the message pane
    update();
}

bool CStatusBar::IsIndicatorOn(int index) const
{
    return index >= 0 && index < GetCount() && panes_[index].on;
}

QString CStatusBar::RestingText() const
{
    if (!note_.isEmpty())
        return note_;
    return outcome_.isEmpty() ? idleText_ : outcome_;
}

void CStatusBar::SetIdleText(const QString& text)
{
    idleText_ = text;
    if (!panes_.empty() && currentMessage().isEmpty())
        SetPaneText(0, RestingText(), false);
}

void CStatusBar::SetOutcome(const QString& text)
{
    outcome_ = text;
    if (!panes_.empty() && currentMessage().isEmpty())
        SetPaneText(0, RestingText());
}

void CStatusBar::SetNote(const QString& text)
{
    note_ = text;
    if (!panes_.empty() && currentMessage().isEmpty())
        SetPaneText(0, RestingText());
}

QRect CStatusBar::MessageTextRect() const
{
    const PaneRect r = GetItemRect(0);
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1))
        .adjusted(kTextInset, 0, -kTextInset, 0);
}

QStringList CStatusBar::WrappedLines(const QString& text, int width) const
{
    QStringList lines;
    QTextLayout layout(text, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(1, width));
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

void CStatusBar::FitMessageLines()
{
    if (panes_.empty())
        return;
    // A bar not laid out yet is a few pixels wide: its text would take a line per letter.
    constexpr int kLeastLetters = 20;
    const int width = MessageTextRect().width();
    const int needed = width < kLeastLetters * fontMetrics().averageCharWidth()
                           ? 1
                           : static_cast<int>(std::clamp<qsizetype>(
                                 WrappedLines(panes_[0].text, width).size(), 1, kMaxMessageLines));
    if (needed == messageLines_)
        return;
    messageLines_ = needed;
    updateGeometry();
}

void CStatusBar::resizeEvent(QResizeEvent* event)
{
    QStatusBar::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        FitMessageLines();
}

QString CStatusBar::ToolTipAt(QPoint pos) const
{
    if (panes_.empty() || !MessageTextRect().contains(pos))
        return {};
    const QString& text = panes_[0].text;
    return WrappedLines(text, MessageTextRect().width()).size() > kMaxMessageLines ? text : QString();
}

bool CStatusBar::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = ToolTipAt(help->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this, MessageTextRect());
        }
        return true;
    }
    return QStatusBar::event(event);
}

void CStatusBar::SetLockKeyProbe(LockKeyProbe probe)
{
    lockKeyProbe_ = std::move(probe);
    UpdateIndicators();
}

void CStatusBar::UpdateIndicators()
{
    bool changed = false;
    for (Pane& pane : panes_) {
        const std::optional<LockKey> key = LockKeyOfIndicator(pane.id);
        const bool on = key && lockKeyProbe_ && lockKeyProbe_(*key);
        changed |= on != pane.on;
        pane.on = on;
    }
    if (changed)
        update();
}

QSize CStatusBar::sizeHint() const
{
    return {QStatusBar::sizeHint().width(), messageLines_ * fontMetrics().height() + 2 * kMargin + 4};
}

QSize CStatusBar::minimumSizeHint() const
{
    return {0, sizeHint().height()};
}

void CStatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int i = 0; i < GetCount(); ++i) {
        const PaneRect r = GetItemRect(i);
        const QRect rect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
        qDrawShadePanel(&painter, rect, palette(), true, 1);
        painter.setPen(palette().color(QPalette::WindowText));
        if (i == 0) {
            const QRect textRect = MessageTextRect();
            QStringList lines = WrappedLines(panes_[i].text, textRect.width());
            if (lines.size() > kMaxMessageLines) {
                const QString rest = QStringList(lines.mid(kMaxMessageLines - 1)).join(QLatin1Char(' '));
                lines = lines.mid(0, kMaxMessageLines - 1);
                lines << fontMetrics().elidedText(rest, Qt::ElideRight, textRect.width());
            }
            painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, lines.join(QLatin1Char('\n')));
        } else if (panes_[i].on) {
            painter.drawText(rect, Qt::AlignCenter, panes_[i].text);
        }
    }
    if (!caretText_.isEmpty()) {
        const PaneRect r = GetCaretRect();
        const QRect rect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
        qDrawShadePanel(&painter, rect, palette(), true, 1);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect.adjusted(kTextInset, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caretText_);
    }
}

void CStatusBar::timerEvent(QTimerEvent*)
{
    UpdateIndicators();
}

}  // namespace app
