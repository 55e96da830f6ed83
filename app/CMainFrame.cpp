// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CMainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include "app/CStatusBar.h"
#include "app/CStatusBarProgress.h"
#include "app/ControlId.h"
#include "app/WindowMessageEvent.h"
#include "res/FrameResources.h"
#include "res/StringTable.h"

namespace app {

namespace {

QString Text(res::ResourceId id)
{
    return QString::fromStdString(res::LoadString(id));
}

QString ToolbarIcon(res::ResourceId command)
{
    switch (command) {
    case res::ID_FILE_NEW:
        return QStringLiteral(":/icons/new.png");
    case res::ID_FILE_OPEN:
        return QStringLiteral(":/icons/open.png");
    case res::ID_FILE_SAVE:
        return QStringLiteral(":/icons/save.png");
    case res::ID_APP_ABOUT:
        return QStringLiteral(":/icons/about.png");
    default:
        return {};
    }
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
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
    actions_[command] = action;
    return action;
}

QAction* CMainFrame::GetAction(res::ResourceId command) const
{
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

bool CMainFrame::LeaveMenuBarFor(const QKeyEvent& key)
{
    // A menu closed with Esc leaves the menu bar holding the keyboard focus until a second Esc.
    // The editing keys are the focused control's own, not the window's shortcuts, so there they
    // would reach nobody: a key with Ctrl gives the focus back and goes where the focus was.
    const bool modifierAlone = key.key() == Qt::Key_Control || key.key() == Qt::Key_Shift ||
                               key.key() == Qt::Key_Alt || key.key() == Qt::Key_Meta;
    if (!(key.modifiers() & Qt::ControlModifier) || modifierAlone || !menuBar()->hasFocus() ||
        !focusBeforeMenuBar_)
        return false;
    QWidget* target = focusBeforeMenuBar_;
    target->setFocus(Qt::MenuBarFocusReason);  // the menu bar, losing it, leaves its keyboard mode
    QKeyEvent again(key.type(), key.key(), key.modifiers(), key.text(), key.isAutoRepeat(),
                    static_cast<ushort>(key.count()));
    QApplication::sendEvent(target, &again);
    return true;
}

bool CMainFrame::CreateMenu()
{
    menuBar()->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now != menuBar() && now->window() == this)
            focusBeforeMenuBar_ = now;
    });
    for (const res::MenuItem& popup : res::MainMenu()) {
        QMenu* menu = menuBar()->addMenu(QString::fromStdString(res::Localize(popup.text)));
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenuItems(*menu); });
        for (const res::MenuItem& item : popup.popup) {
            if (item.text.empty()) {
                menu->addSeparator();
                continue;
            }
            QAction* action = CommandAction(static_cast<res::ResourceId>(item.command));
            action->setText(QString::fromStdString(res::Localize(item.text)));
            menu->addAction(action);
        }
    }
    for (const res::ResourceId bar : {res::ID_VIEW_TOOLBAR, res::ID_VIEW_STATUS_BAR}) {
        GetAction(bar)->setCheckable(true);
        GetAction(bar)->setChecked(true);
    }
    return true;
}

void CMainFrame::UpdateMenuItems(QMenu& menu)
{
    if (!commandState_)
        return;
    for (const auto& [command, action] : actions_) {
        if (menu.actions().contains(action)) {
            if (const std::optional<bool> enabled = commandState_(command))
                action->setEnabled(*enabled);
        }
    }
}

bool CMainFrame::CreateToolBar()
{
    const res::ToolbarResource& resource = res::MainToolbar();
    toolBar_ = new QToolBar(this);
    SetControlId(toolBar_, res::ID_VIEW_TOOLBAR);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(resource.buttonWidth, resource.buttonHeight));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    for (const int command : resource.commands) {
        if (command == 0) {
            toolBar_->addSeparator();
            continue;
        }
        const QIcon icon(ToolbarIcon(static_cast<res::ResourceId>(command)));
        if (icon.isNull())
            return false;
        QAction* action = CommandAction(static_cast<res::ResourceId>(command));
        action->setIcon(icon);
        toolBar_->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
    connect(toolBar_, &QToolBar::visibilityChanged, GetAction(res::ID_VIEW_TOOLBAR), &QAction::setChecked);
    return true;
}

bool CMainFrame::CreateStatusBar()
{
    statusBar_ = new CStatusBar(this);
    SetControlId(statusBar_, res::ID_VIEW_STATUS_BAR);
    statusBar_->SetIdleText(Text(res::IDS_IDLE_MESSAGE));
    if (!statusBar_->SetIndicators(res::StatusIndicators()))
        return false;
    setStatusBar(statusBar_);
    return true;
}

void CMainFrame::BindAccelerators()
{
    // Only keys whose command someone serves are bound. The editing keys stay with the dump
    // editor, which handles them itself while it has the focus: the Edit menu only shows them.
    // Binding them here would take Ctrl+C and Ctrl+V from every other control of the window.
    const auto editorKey = [](res::ResourceId command) {
        return command == res::ID_EDIT_COPY || command == res::ID_EDIT_CUT || command == res::ID_EDIT_PASTE ||
               command == res::ID_EDIT_UNDO || command == res::ID_EDIT_REDO;
    };
    std::map<QAction*, QList<QKeySequence>> keys;
    for (const res::Accelerator& accelerator : res::MainAccelerators()) {
        if (QAction* action = GetAction(static_cast<res::ResourceId>(accelerator.command));
            action && !editorKey(static_cast<res::ResourceId>(accelerator.command))) {
            keys[action].append(
                QKeySequence(QString::fromStdString(accelerator.keys), QKeySequence::PortableText));
        }
    }
    for (auto& [action, sequences] : keys) {
        action->setShortcuts(sequences);
        action->setShortcutContext(Qt::WindowShortcut);
    }
}

bool CMainFrame::ExecuteCommand(res::ResourceId command)
{
    if (commandRoute_ && commandRoute_(command))
        return true;
    switch (command) {
    case res::ID_VIEW_TOOLBAR:
        toolBar_->setVisible(!toolBar_->isVisible());
        GetAction(command)->setChecked(toolBar_->isVisible());
        return true;
    case res::ID_VIEW_STATUS_BAR:
        statusBar_->setVisible(!statusBar_->isVisible());
        GetAction(command)->setChecked(statusBar_->isVisible());
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
    // "[*]" shows as "*" while the window is marked modified.
    setWindowTitle(documentTitle.isEmpty()
                       ? title + QStringLiteral("[*]")
                       : title + QStringLiteral(" - ") + documentTitle + QStringLiteral("[*]"));
}

void CMainFrame::ShowCaretText(const QString& text)
{
    if (statusBar_)
        statusBar_->SetCaretText(text);
}

void CMainFrame::ShowNote(const QString& text)
{
    if (!statusBar_)
        return;
    statusBar_->SetNote(text);
    // Watched from after the key or click that brought the note, which is still being handled.
    QTimer::singleShot(0, this, [this] {
        if (statusBar_ && !statusBar_->GetNote().isEmpty())
            qApp->installEventFilter(this);
    });
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == menuBar() && event->type() == QEvent::KeyPress &&
        LeaveMenuBarFor(*static_cast<QKeyEvent*>(event)))
        return true;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        qApp->removeEventFilter(this);
        if (statusBar_)
            statusBar_->SetNote({});
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ShowOutcome(const QString& text)
{
    if (statusBar_)
        statusBar_->SetOutcome(text);
}

void CMainFrame::FitClientTo(QSize clientSize)
{
    QWidget* client = centralWidget();
    if (client)
        client->setMinimumSize(clientSize);
    layout()->activate();
    const QSize wanted = clientSize + (client ? size() - client->size() : QSize());
    // The first fit sizes the window; later ones (each new or opened dump) keep the user's size.
    resize(clientFitted_ ? size().expandedTo(wanted) : wanted);
    clientFitted_ = true;
    layout()->activate();
}

void CMainFrame::ShowDeviceProgress(device::DeviceNotify code, const operation::OperationProgress& progress)
{
    switch (code) {
    case device::NotifyOpened:
    case device::NotifyIdReady:
        // Until the device has answered, its wake-up is what runs; a pass under way says itself.
        if (!progressBar_) {
            ShowOutcome(progress.Waking() ? QString::fromStdString(operation::PassProgressText(progress))
                                          : QString());
        }
        break;
    case device::NotifyRangeBegin:
        progressBar_.reset();  // a bar left over from an unfinished transfer
        // Each pass has a bar of its own; its first step names the pass.
        progressBar_ =
            std::make_unique<CStatusBarProgress>(this, Text(res::IDS_IDLE_MESSAGE), Text(res::IDS_PROGRESS),
                                                 100, static_cast<int>(progress.Total()), true, 0);
        break;
    case device::NotifyByteDone:
        if (progressBar_) {
            progressBar_->SetText(QString::fromStdString(operation::PassProgressText(progress)));
            progressBar_->StepIt();
        }
        break;
    case device::NotifyFinished:
    case device::NotifyRangeEnd:
        progressBar_.reset();
        break;
    default:
        break;
    }
}

bool CMainFrame::event(QEvent* event)
{
    if (event->type() == WindowMessageEvent::EventType()) {
        const auto* message = static_cast<WindowMessageEvent*>(event);
        message->Receive();
        if (message->message == deviceMessage_ && deviceMessageSink_)
            deviceMessageSink_(message->wParam);
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (closeQuery_ && !closeQuery_()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace app
