// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A status bar of panes: a stretching message pane first, then fixed indicator panes whose
// text shows only while their lock key is on. The message pane shows a prompt while one is
// shown, otherwise a note, otherwise the outcome of the last operation, otherwise the idle text.
// A text too long for one line wraps, the bar growing to up to kMaxMessageLines lines; one too
// long for those is cut with an ellipsis and shown whole as its tool tip.
#include <QStatusBar>
#include <QString>
#include <vector>

#include "app/LockKeyState.h"
#include "app/ProgressPlacement.h"
#include "res/ResourceIds.h"

namespace app {

class CStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kMaxMessageLines = 3;

    explicit CStatusBar(QWidget* parent = nullptr);

    // Ids of the panes; each indicator shows its string-table text.
    bool SetIndicators(const std::vector<res::ResourceId>& ids);
    int GetCount() const { return static_cast<int>(panes_.size()); }
    QString GetPaneText(int index) const;
    bool SetPaneText(int index, const QString& text, bool update = true);
    PaneRect GetItemRect(int index) const;
    bool IsIndicatorOn(int index) const;

    // The message pane shows this whenever neither a prompt nor an outcome is shown.
    void SetIdleText(const QString& text);
    // What the last operation came to: stays in the message pane, behind passing prompts, until
    // replaced or cleared (an empty text).
    void SetOutcome(const QString& text);
    const QString& GetOutcome() const { return outcome_; }
    // A note on the user's last action (a paste refused, a search that found nothing): stays in
    // front of the outcome until replaced or cleared (an empty text).
    void SetNote(const QString& text);
    const QString& GetNote() const { return note_; }
    // The tool tip at a point: the message pane's whole text where it had to be cut; else empty.
    QString ToolTipAt(QPoint pos) const;
    // The editor's caret position, in a pane of its own before the indicators; no pane while
    // the text is empty.
    void SetCaretText(const QString& text);
    const QString& GetCaretText() const { return caretText_; }
    PaneRect GetCaretRect() const;
    void SetLockKeyProbe(LockKeyProbe probe);
    void UpdateIndicators();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The lines the message pane's text takes at the pane's width now (1 to kMaxMessageLines).
    int MessageLineCount() const { return messageLines_; }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    struct Pane {
        res::ResourceId id;
        QString text;
        int width;  // 0 for the stretching message pane
        bool on;
    };
    std::vector<Pane> panes_;
    QString RestingText() const;
    QRect MessageTextRect() const;
    // The message text broken into lines at width; all of them, however many.
    QStringList WrappedLines(const QString& text, int width) const;
    // Grows or shrinks the bar to the lines the message text needs.
    void FitMessageLines();

    QString idleText_;
    QString outcome_;
    QString note_;
    QString caretText_;
    LockKeyProbe lockKeyProbe_;
    int messageLines_ = 1;
};

}  // namespace app
