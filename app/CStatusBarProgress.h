// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A progress bar that places itself in one pane of the main window's status bar, after the
// pane's text. Destroying it hides the bar and puts the pane's idle text back.
#include <QObject>
#include <QPointer>
#include <QProgressBar>
#include <QString>

#include "app/ProgressPlacement.h"

namespace app {

class CStatusBar;

class CStatusBarProgress : public QObject {
    Q_OBJECT
public:
    // mainWindow: the window whose status bar (id 59393) holds the bar. readyText: what the
    // message pane shows once the bar is gone.
    CStatusBarProgress(QWidget* mainWindow, QString readyText);
    CStatusBarProgress(QWidget* mainWindow, QString readyText, const QString& message, int percentSize,
                       int maxValue, bool smooth, int paneIndex);
    ~CStatusBarProgress() override;

    bool Create(const QString& message, int percentSize, int maxValue, bool smooth, int paneIndex);
    bool SetRange(int lower, int upper, int step);
    int SetStep(int step);
    int StepIt();
    void SetText(const QString& text);
    bool Resize();
    void Clear();
    CStatusBar* GetStatusBar() const;

    QProgressBar* Bar() const { return bar_; }
    PaneRect BarRect() const { return barRect_; }
    bool IsSmooth() const { return smooth_; }
    int Step() const { return step_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> mainWindow_;
    QString readyText_;
    QPointer<QProgressBar> bar_;
    int percentSize_ = 100;
    int paneIndex_ = 0;
    int step_ = 1;
    bool smooth_ = false;
    QString message_;
    QString savedPaneText_;
    PaneRect barRect_;
};

}  // namespace app
