// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CStatusBarProgress.h"

#include <QEvent>

#include "app/CStatusBar.h"
#include "app/ControlId.h"
#include "res/FormIds.h"

namespace app {

CStatusBarProgress::CStatusBarProgress(QWidget* mainWindow, QString readyText)
    : mainWindow_(mainWindow), readyText_(std::move(readyText))
{}

CStatusBarProgress::CStatusBarProgress(QWidget* mainWindow, QString readyText, const QString& message,
                                       int percentSize, int maxValue, bool smooth, int paneIndex)
    : CStatusBarProgress(mainWindow, std::move(readyText))
{
    Create(message, percentSize, maxValue, smooth, paneIndex);
}

CStatusBarProgress::~CStatusBarProgress()
{
    Clear();
    delete bar_.data();
}

CStatusBar* CStatusBarProgress::GetStatusBar() const
{
    if (!mainWindow_)
        return nullptr;
    if (ControlIdOf(mainWindow_) == res::ID_VIEW_STATUS_BAR)
        return qobject_cast<CStatusBar*>(mainWindow_.data());
    return FindControl<CStatusBar>(mainWindow_, res::ID_VIEW_STATUS_BAR);
}

bool CStatusBarProgress::Create(const QString& text, int percent, int maxValue, bool smoothBar, int pane)
{
    CStatusBar* statusBar = GetStatusBar();
    if (!statusBar || bar_)
        return false;
    const PaneRect r = statusBar->GetItemRect(pane);
    bar_ = new QProgressBar(statusBar);
    SetControlId(bar_, 1);
    bar_->setTextVisible(false);
    bar_->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    bar_->show();
    smooth_ = smoothBar;
    SetRange(0, maxValue, 1);
    SetStep(1);
    message_ = text;
    percentSize_ = percent;
    paneIndex_ = pane;
    savedPaneText_ = statusBar->GetPaneText(pane);
    statusBar->installEventFilter(this);
    Resize();
    return true;
}

bool CStatusBarProgress::SetRange(int lower, int upper, int newStep)
{
    if (!bar_)
        return false;
    bar_->setRange(lower, upper);
    step_ = newStep;
    return true;
}

int CStatusBarProgress::SetStep(int newStep)
{
    if (!bar_)
        return 0;
    bar_->show();
    const int previous = step_;
    step_ = newStep;
    return previous;
}

int CStatusBarProgress::StepIt()
{
    if (!bar_)
        return 0;
    bar_->show();
    const int previous = bar_->value() < bar_->minimum() ? bar_->minimum() : bar_->value();
    bar_->setValue(std::clamp(previous + step_, bar_->minimum(), bar_->maximum()));
    return previous;
}

void CStatusBarProgress::SetText(const QString& text)
{
    message_ = text;
    Resize();
}

bool CStatusBarProgress::Resize()
{
    CStatusBar* statusBar = GetStatusBar();
    if (!bar_ || !statusBar)
        return false;
    if (!bar_->isHidden())
        statusBar->SetPaneText(paneIndex_, message_, true);
    const QFontMetrics metrics(statusBar->font());
    const PaneRect placed =
        ProgressBarRect(statusBar->GetItemRect(paneIndex_), metrics.horizontalAdvance(message_),
                        metrics.horizontalAdvance(QLatin1Char(' ')), !message_.isEmpty(), percentSize_);
    if (placed != barRect_) {
        bar_->setGeometry(placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top);
        barRect_ = placed;
    }
    return true;
}

void CStatusBarProgress::Clear()
{
    if (!bar_)
        return;
    bar_->hide();
    const QString text = paneIndex_ == 0 ? readyText_ : savedPaneText_;
    if (CStatusBar* statusBar = GetStatusBar())
        statusBar->SetPaneText(paneIndex_, text, true);
}

bool CStatusBarProgress::eventFilter(QObject* watched, QEvent* event)
{
    // The pane moves with the status bar's size.
    if (event->type() == QEvent::Resize && watched == GetStatusBar())
        Resize();
    return QObject::eventFilter(watched, event);
}

}  // namespace app
