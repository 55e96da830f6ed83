// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application: the settings store, the one document with its frame and form view, the
// commands of the application's own, and the order in which all of it is made and taken down.
#include <QPointer>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "app/CAdapterCheckDlg.h"
#include "app/CProbexView.h"
#include "app/CProfileSettings.h"
#include "app/SimulatedAdapter.h"
#include "res/ResourceIds.h"

namespace app {

class CMainFrame;
class CProbexDoc;
class CQtMessageTarget;
class ConnectionLog;
class CConnectionLogDlg;

class CProbexApp {
public:
    struct Options {
        CustomControlFactory controls;            // default: the registered window classes
        CProbexView::DeviceLister devices;        // default: the serial devices of this machine
        std::filesystem::path connectionLogFile;  // empty: the trace stays in memory
        QString openFile{};                       // a dump opened once the window shows
        // Offered when no port is found; stopped with the window. Empty: the installed zaq-sim.
        std::shared_ptr<SimulatedAdapter> simulatedAdapter{};
    };

    CProbexApp();
    explicit CProbexApp(Options options);
    ~CProbexApp();
    CProbexApp(const CProbexApp&) = delete;
    CProbexApp& operator=(const CProbexApp&) = delete;

    // Makes the document, the frame and the view, runs the first File New, shows the window
    // centred, offers the simulated adapter when no adapter is found and opens the file of the
    // options, if any. False (after telling the user) when the window
    // cannot be made.
    bool InitInstance();
    bool OnCommand(res::ResourceId command);
    void OnAppAbout();
    void OnViewConnectionLog();
    // View > Check adapter: the check of the chosen port in a window-modal dialog.
    void OnCheckAdapter();
    // The dialog of the last check while it is open; nullptr otherwise.
    CAdapterCheckDlg* GetAdapterCheckDlg() const { return adapterCheckDlg_; }
    ConnectionLog& GetConnectionLog() { return *connectionLog_; }

    static QString Title();

    CMainFrame* GetMainWnd() const { return frame_.get(); }
    CProbexDoc* GetDocument() const { return document_.get(); }
    CProbexView* GetView() const { return view_; }
    CProfileSettings& Settings() { return settings_; }

private:
    bool CreateMainWindow();
    // With no port an adapter may be behind, the simulated adapter: asked once, the answer kept;
    // started when it was yes. Where none can run, once how to connect an adapter.
    void OfferSimulatedAdapter();
    // Starts it under the first free COM name, chooses that name, and says so with startedText
    // (%1 the name, %2 the image) or why it did not start.
    void StartSimulatedAdapter(res::ResourceId startedText);
    void DestroyMainWindow();
    bool QueryClose();
    // The View menu's options kept in the settings: verify, changed-only, whole frames,
    // backup.
    void LoadViewOptions();
    void ToggleViewOption(res::ResourceId command);
    // The window's size is kept in the settings from one run to the next.
    void RestoreWindowSize();
    void StoreWindowSize();

    // Set while a close waits for a stopped operation to end; a second close then waits too.
    bool closing_ = false;

    Options options_;
    CProfileSettings settings_;
    // Taken down in reverse: no more posts to the frame, then the frame with its view, then
    // the document, whose engine stops its worker before the dump is released.
    // Before the document: the engine's worker writes to it until the document is gone.
    std::unique_ptr<ConnectionLog> connectionLog_;
    std::unique_ptr<CProbexDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<CQtMessageTarget> messageTarget_;
    CConnectionLogDlg* connectionLogDlg_ = nullptr;  // a child of the frame
    QPointer<CAdapterCheckDlg> adapterCheckDlg_;     // a child of the frame, deleted when closed
    CProbexView* view_ = nullptr;
};

}  // namespace app
