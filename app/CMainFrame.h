// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: resizable down to its form, menu, toolbar and status bar of resource 128, the form view as
// its client. Device notifications posted to it go on to the document, whose operation's
// progress the status bar then shows.
#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "app/ViewFrame.h"
#include "device/DeviceZaqTypes.h"
#include "operation/OperationProgress.h"
#include "res/ResourceIds.h"

class QKeyEvent;
class QMenu;
class QToolBar;

namespace app {

class CStatusBar;
class CStatusBarProgress;

class CMainFrame : public QMainWindow, public ViewFrame {
    Q_OBJECT
public:
    using CommandRoute = std::function<bool(res::ResourceId command)>;
    using DeviceMessageSink = std::function<void(std::uintptr_t wParam)>;
    using CloseQuery = std::function<bool()>;
    // Whether a command can run now; nothing for a command whose item stays as it is.
    using CommandState = std::function<std::optional<bool>(res::ResourceId command)>;

    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds the bars; false aborts the frame's creation.
    bool Create();

    // The number under which device notifications arrive (registered "CDeviceZAQ_Message").
    void SetDeviceMessage(std::uint32_t message) { deviceMessage_ = message; }
    // Commands the frame does not serve itself go here (view, document, application).
    void SetCommandRoute(CommandRoute route) { commandRoute_ = std::move(route); }
    // Where the posted notifications go: the active view's document.
    void SetDeviceMessageSink(DeviceMessageSink sink) { deviceMessageSink_ = std::move(sink); }
    // Asked for each item of a menu about to drop down.
    void SetCommandState(CommandState state) { commandState_ = std::move(state); }
    // Asked before the window closes; false keeps it open.
    void SetCloseQuery(CloseQuery query) { closeQuery_ = std::move(query); }

    // The status-bar progress after a notification of the operation whose progress it is: a bar of
    // its own for each pass, its text naming the pass.
    void ShowDeviceProgress(device::DeviceNotify code, const operation::OperationProgress& progress);

    // Caption: the window title, " - ", the document's title, and the mark of a modified dump
    // (setWindowModified).
    void UpdateFrameTitle(const QString& documentTitle);

    // The form view's window.
    void ShowCaretText(const QString& text) override;
    void ShowNote(const QString& text) override;
    void ShowOutcome(const QString& text) override;
    void FitClientTo(QSize clientSize) override;

    bool ExecuteCommand(res::ResourceId command);

    CStatusBar* GetStatusBar() const { return statusBar_; }
    QToolBar* GetToolBar() const { return toolBar_; }
    QAction* GetAction(res::ResourceId command) const;
    CStatusBarProgress* GetProgressBar() const { return progressBar_.get(); }

protected:
    bool event(QEvent* event) override;
    // While a note shows: the user's next key or click takes it away.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool CreateMenu();
    // A key that the menu bar holds but cannot use; false when it is the menu bar's.
    bool LeaveMenuBarFor(const QKeyEvent& key);
    bool CreateToolBar();
    bool CreateStatusBar();
    void BindAccelerators();
    void UpdateMenuItems(QMenu& menu);
    QAction* CommandAction(res::ResourceId command);

    CStatusBar* statusBar_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::map<res::ResourceId, QAction*> actions_;
    std::unique_ptr<CStatusBarProgress> progressBar_;
    std::uint32_t deviceMessage_ = 0;
    bool clientFitted_ = false;
    CommandRoute commandRoute_;
    DeviceMessageSink deviceMessageSink_;
    CloseQuery closeQuery_;
    CommandState commandState_;
    // The control of this window that last had the keyboard focus, for when the menu bar holds it.
    QPointer<QWidget> focusBeforeMenuBar_;
};

}  // namespace app
