#include "app/CStatusBarProgress.h"

#include <QEvent>

#include "app/CStatusBar.h"
#include "app/ControlId.h"
#include "res/FormIds.h"

namespace app {

CStatusBarProgress::CStatusBarProgress(QWidget* mainWindow, QString readyText)
    : mainWindow(mainWindow), readyText(std::move(readyText))
{
}

CStatusBarProgress::CStatusBarProgress(QWidget* mainWindow, QString readyText, const QString& message,
                                       int percentSize, int maxValue, bool smooth, int paneIndex)
    : CStatusBarProgress(mainWindow, std::move(readyText))
{
    Create(message, percentSize, maxValue, smooth, paneIndex);
}

CStatusBarProgress::~CStatusBarProgress()
{
    Clear();
    delete bar.data();
}

CStatusBar* CStatusBarProgress::GetStatusBar() const
{
    if (!mainWindow)
        return nullptr;
    if (ControlIdOf(mainWindow) == res::ID_VIEW_STATUS_BAR)
        return qobject_cast<CStatusBar*>(mainWindow.data());
    return FindControl<CStatusBar>(mainWindow, res::ID_VIEW_STATUS_BAR);
}

bool CStatusBarProgress::Create(const QString& text, int percent, int maxValue, bool smoothBar, int pane)
{
    CStatusBar* statusBar = GetStatusBar();
    if (!statusBar || bar)
        return false;
    const PaneRect r = statusBar->GetItemRect(pane);
    bar = new QProgressBar(statusBar);
    SetControlId(bar, 1);
    bar->setTextVisible(false);
    bar->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    bar->show();
    smooth = smoothBar;
    SetRange(0, maxValue, 1);
    SetStep(1);
    message = text;
    percentSize = percent;
    paneIndex = pane;
    savedPaneText = statusBar->GetPaneText(pane);
    statusBar->installEventFilter(this);
    Resize();
    return true;
}

bool CStatusBarProgress::SetRange(int lower, int upper, int newStep)
{
    if (!bar)
        return false;
    bar->setRange(lower, upper);
    step = newStep;
    return true;
}

int CStatusBarProgress::SetStep(int newStep)
{
    if (!bar)
        return 0;
    bar->show();
    const int previous = step;
    step = newStep;
    return previous;
}

int CStatusBarProgress::StepIt()
{
    if (!bar)
        return 0;
    bar->show();
    const int previous = bar->value() < bar->minimum() ? bar->minimum() : bar->value();
    bar->setValue(std::clamp(previous + step, bar->minimum(), bar->maximum()));
    return previous;
}

void CStatusBarProgress::SetText(const QString& text)
{
    message = text;
    Resize();
}

bool CStatusBarProgress::Resize()
{
    CStatusBar* statusBar = GetStatusBar();
    if (!bar || !statusBar)
        return false;
    if (!bar->isHidden())
        statusBar->SetPaneText(paneIndex, message, true);
    const QFontMetrics metrics(statusBar->font());
    const PaneRect placed = ProgressBarRect(statusBar->GetItemRect(paneIndex), metrics.horizontalAdvance(message),
                                            metrics.horizontalAdvance(QLatin1Char(' ')), !message.isEmpty(),
                                            percentSize);
    if (placed != barRect) {
        bar->setGeometry(placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top);
        barRect = placed;
    }
    return true;
}

void CStatusBarProgress::Clear()
{
    if (!bar)
        return;
    bar->hide();
    const QString text = paneIndex == 0 ? readyText : savedPaneText;
    if (CStatusBar* statusBar = GetStatusBar())
        statusBar->SetPaneText(paneIndex, text, true);
}

bool CStatusBarProgress::eventFilter(QObject* watched, QEvent* event)
{
    // The pane moves with the status bar's size.
    if (event->type() == QEvent::Resize && watched == GetStatusBar())
        Resize();
    return QObject::eventFilter(watched, event);
}

}  // namespace app
