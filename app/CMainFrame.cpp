#include "app/CMainFrame.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QToolBar>

#include "app/CStatusBar.h"
#include "app/CStatusBarProgress.h"
#include "app/ControlId.h"
#include "res/FrameResources.h"
#include "res/StringTable.h"
#include "app/WindowMessageEvent.h"
#include "device/ZaqProtocol.h"

namespace app {

namespace {

QString Text(res::ResourceId id)
{
    return QString::fromStdString(res::LoadString(id));
}

QString ToolbarIcon(res::ResourceId command)
{
    switch (command) {
    case res::ID_FILE_NEW: return QStringLiteral(":/icons/new.png");
    case res::ID_FILE_OPEN: return QStringLiteral(":/icons/open.png");
    case res::ID_FILE_SAVE: return QStringLiteral(":/icons/save.png");
    case res::ID_APP_ABOUT: return QStringLiteral(":/icons/about.png");
    default: return {};
    }
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/probex.png")));
    setWindowTitle(QString::fromStdString(res::DocumentString(res::DocumentStringField::WindowTitle)));
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::Create()
{
    if (!CreateMenu() || !CreateToolBar() || !CreateStatusBar())
        return false;
    BindAccelerators();
    return true;
}

QAction* CMainFrame::CommandAction(res::ResourceId command)
{
    if (QAction* existing = GetAction(command))
        return existing;
    auto* action = new QAction(this);
    const QString prompt = Text(command);
    const qsizetype lineBreak = prompt.indexOf(QLatin1Char('\n'));
    action->setStatusTip(prompt.left(lineBreak));
    if (lineBreak >= 0)
        action->setToolTip(prompt.mid(lineBreak + 1));
    connect(action, &QAction::triggered, this, [this, command] { ExecuteCommand(command); });
    actions[command] = action;
    return action;
}

QAction* CMainFrame::GetAction(res::ResourceId command) const
{
    const auto it = actions.find(command);
    return it == actions.end() ? nullptr : it->second;
}

bool CMainFrame::CreateMenu()
{
    for (const res::MenuItem& popup : res::MainMenu()) {
        QMenu* menu = menuBar()->addMenu(QString::fromStdString(popup.text));
        for (const res::MenuItem& item : popup.popup) {
            if (item.text.empty()) {
                menu->addSeparator();
                continue;
            }
            QAction* action = CommandAction(static_cast<res::ResourceId>(item.command));
            action->setText(QString::fromStdString(item.text));
            menu->addAction(action);
        }
    }
    for (const res::ResourceId bar : {res::ID_VIEW_TOOLBAR, res::ID_VIEW_STATUS_BAR}) {
        GetAction(bar)->setCheckable(true);
        GetAction(bar)->setChecked(true);
    }
    return true;
}

bool CMainFrame::CreateToolBar()
{
    const res::ToolbarResource& resource = res::MainToolbar();
    toolBar = new QToolBar(this);
    SetControlId(toolBar, res::ID_VIEW_TOOLBAR);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setIconSize(QSize(resource.buttonWidth, resource.buttonHeight));
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar->setMovable(true);
    toolBar->setFloatable(true);
    for (const int command : resource.commands) {
        if (command == 0) {
            toolBar->addSeparator();
            continue;
        }
        const QIcon icon(ToolbarIcon(static_cast<res::ResourceId>(command)));
        if (icon.isNull())
            return false;
        QAction* action = CommandAction(static_cast<res::ResourceId>(command));
        action->setIcon(icon);
        toolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, toolBar);
    connect(toolBar, &QToolBar::visibilityChanged, GetAction(res::ID_VIEW_TOOLBAR), &QAction::setChecked);
    return true;
}

bool CMainFrame::CreateStatusBar()
{
    statusBar = new CStatusBar(this);
    SetControlId(statusBar, res::ID_VIEW_STATUS_BAR);
    statusBar->SetIdleText(Text(res::IDS_IDLE_MESSAGE));
    if (!statusBar->SetIndicators(res::StatusIndicators()))
        return false;
    setStatusBar(statusBar);
    return true;
}

void CMainFrame::BindAccelerators()
{
    // Only keys whose command someone serves are bound. Copy, paste, cut, undo and the pane keys
    // have no handler on the frame's route; binding them would take Ctrl+C and Ctrl+V away from
    // the dump editor, which handles those itself.
    std::map<QAction*, QList<QKeySequence>> keys;
    for (const res::Accelerator& accelerator : res::MainAccelerators())
        if (QAction* action = GetAction(static_cast<res::ResourceId>(accelerator.command)))
            keys[action].append(QKeySequence(QString::fromStdString(accelerator.keys), QKeySequence::PortableText));
    for (auto& [action, sequences] : keys) {
        action->setShortcuts(sequences);
        action->setShortcutContext(Qt::WindowShortcut);
    }
}

bool CMainFrame::ExecuteCommand(res::ResourceId command)
{
    if (commandRoute && commandRoute(command))
        return true;
    switch (command) {
    case res::ID_VIEW_TOOLBAR:
        toolBar->setVisible(!toolBar->isVisible());
        GetAction(command)->setChecked(toolBar->isVisible());
        return true;
    case res::ID_VIEW_STATUS_BAR:
        statusBar->setVisible(!statusBar->isVisible());
        GetAction(command)->setChecked(statusBar->isVisible());
        return true;
    case res::ID_APP_EXIT:
        close();
        return true;
    default:
        return false;
    }
}

void CMainFrame::UpdateFrameTitle(const QString& documentTitle)
{
    const QString title = QString::fromStdString(res::DocumentString(res::DocumentStringField::WindowTitle));
    setWindowTitle(documentTitle.isEmpty() ? title : title + QStringLiteral(" - ") + documentTitle);
}

void CMainFrame::FitClientTo(QSize clientSize)
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    layout()->activate();
    QSize frameExtra = size();
    if (QWidget* client = centralWidget())
        frameExtra -= client->size();
    setFixedSize(clientSize + frameExtra);
    layout()->activate();
}

void CMainFrame::OnDeviceNotify(const device::DeviceNotification& notification)
{
    switch (notification.code) {
    case device::NotifyRangeBegin:
        progressTotal = notification.value;
        progressBar.reset();  // a bar left over from an unfinished transfer
        progressBar = std::make_unique<CStatusBarProgress>(this, Text(res::IDS_IDLE_MESSAGE),
                                                           Text(res::IDS_PROGRESS), 100, progressTotal, true, 0);
        progressDone = 0;
        break;
    case device::NotifyByteDone:
        ++progressDone;
        if (progressBar) {
            // A transfer of 0 bytes sends no steps; the guard only keeps a stray step harmless.
            const int percent = progressTotal ? progressDone * 100 / progressTotal : 100;
            progressBar->SetText(QString::asprintf(res::LoadString(res::IDS_PERCENT_COMPLETE).c_str(), percent));
            progressBar->StepIt();
        }
        break;
    case device::NotifyFinished:
    case device::NotifyRangeEnd:
        progressBar.reset();
        break;
    default:
        break;
    }
    if (deviceNotifySink)
        deviceNotifySink(notification);
}

bool CMainFrame::event(QEvent* event)
{
    if (event->type() == WindowMessageEvent::EventType()) {
        const auto* message = static_cast<WindowMessageEvent*>(event);
        if (message->message == deviceMessage)
            OnDeviceNotify(device::zaq::DecodeNotification(static_cast<std::uint32_t>(message->wParam)));
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (closeQuery && !closeQuery()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace app
