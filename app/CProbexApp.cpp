// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CProbexApp.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "app/CAboutDlg.h"
#include "app/CAdapterCheckDlg.h"
#include "app/CConnectionLogDlg.h"
#include "app/CMainFrame.h"
#include "app/CProbexDoc.h"
#include "app/CQtMessageTarget.h"
#include "app/ConnectionLog.h"
#include "app/NoSimulatedAdapter.h"
#include "app/ResourceText.h"
#ifndef _WIN32
#include "app/ZaqSimProcess.h"
#endif
#include "app/docview/CPrompts.h"
#include "dumpedit/widget/DumpEditClasses.h"
#include "dumpedit/widget/WindowClassRegistry.h"
#include "platform/MessageTarget.h"
#include "platform/PortNames.h"
#include "platform/SerialPortList.h"
#include "platform/UserFolders.h"
#include "res/StringTable.h"

namespace app {

namespace {

const QString kWindowSection = QStringLiteral("Window");
const QString kWidthEntry = QStringLiteral("Width");
const QString kHeightEntry = QStringLiteral("Height");
// The answer to the offer of the simulated adapter, kept so that it is asked once.
const QString kSimulatorSection = QStringLiteral("Simulator");
const QString kStartEntry = QStringLiteral("Start");
enum SimulatorAnswer : std::uint32_t {
    NotAsked = 0,
    StartIt = 1,
    LeaveIt = 2
};

struct ViewOption {
    res::ResourceId command;
    bool CProbexDoc::*member;
    const char* section;
    const char* entry;
    bool fallback;
};

// How a request goes out sits with the port and the time-out the view keeps.
constexpr ViewOption kViewOptions[] = {
    {res::ID_VIEW_VERIFY_WRITE, &CProbexDoc::verifyAfterWrite, "Write", "Verify", true},
    {res::ID_VIEW_WRITE_CHANGED, &CProbexDoc::writeChangedOnly, "Write", "ChangedOnly", false},
    {res::ID_VIEW_WHOLE_FRAMES, &CProbexDoc::sendWholeFrames, "COM port", "WholeFrames", false},
    {res::ID_VIEW_BACKUP_BEFORE_WRITE, &CProbexDoc::backupBeforeWrite, "Write", "Backup", true},
};

// A built-in serial port (COM1 without a port map) has no K-line adapter behind it as a rule; any
// other port may well have one.
bool AdapterPortPresent(const std::vector<std::string>& devices)
{
    const std::vector<platform::PortEntry> ports = platform::ListPorts(devices, platform::ProbePortOpen);
    return std::ranges::any_of(
        ports, [](const platform::PortEntry& port) { return !port.path.starts_with("/dev/ttyS"); });
}

std::shared_ptr<SimulatedAdapter> InstalledSimulatedAdapter()
{
#ifdef _WIN32
    return std::make_shared<NoSimulatedAdapter>();
#else
    return std::make_shared<ZaqSimProcess>(ZaqSimProcess::InstalledFiles());
#endif
}

QWidget* CreateRegisteredControl(const std::string& className, QWidget* parent, std::uint32_t style)
{
    return dumpedit::CWindowClassRegistry::Instance().Create(QString::fromStdString(className), parent,
                                                             style);
}

}  // namespace

QString CProbexApp::Title()
{
    return QString::fromStdString(res::LoadString(res::IDS_APP_TITLE));
}

CProbexApp::CProbexApp() : CProbexApp(Options{}) {}

CProbexApp::CProbexApp(Options opts)
    : options_(std::move(opts)), settings_(QString::fromLatin1(platform::kProgramFolderName), Title())
{
    if (!options_.controls)
        options_.controls = CreateRegisteredControl;
    if (!options_.devices)
        options_.devices = [] { return platform::ListSerialDevices(); };
    if (!options_.simulatedAdapter)
        options_.simulatedAdapter = InstalledSimulatedAdapter();
}

CProbexApp::~CProbexApp()
{
    DestroyMainWindow();
}

void CProbexApp::DestroyMainWindow()
{
    // No post may reach the frame once it is gone.
    if (messageTarget_)
        platform::SetMainWindowTarget(nullptr);
    messageTarget_.reset();
    // The view goes down with the frame's children, when the frame's own part is gone already.
    if (view_)
        view_->SetFrame(nullptr);
    frame_.reset();  // the view stores the settings unless the close already did
    view_ = nullptr;
    connectionLogDlg_ = nullptr;
    options_.simulatedAdapter->Stop();
}

bool CProbexApp::InitInstance()
{
    dumpedit::RegisterDumpEditClasses();
    if (!CreateMainWindow() || !document_->OnFileNew()) {
        DestroyMainWindow();
        ShowMessage(res::IDS_FAILED_TO_CREATE_DOC, MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    RestoreWindowSize();
    frame_->show();
    if (const QScreen* screen = frame_->screen()) {
        QRect placed = frame_->frameGeometry();
        placed.moveCenter(screen->availableGeometry().center());
        frame_->move(placed.topLeft());
    }
    OfferSimulatedAdapter();
    // A file that cannot be opened is reported and leaves the new dump in place.
    if (!options_.openFile.isEmpty())
        document_->OpenDocumentFile(QFileInfo(options_.openFile).absoluteFilePath());
    return true;
}

void CProbexApp::OfferSimulatedAdapter()
{
    if (AdapterPortPresent(options_.devices()))
        return;
    // An empty list has said so already.
    if (view_->PortCount() > 0)
        frame_->ShowOutcome(LoadText(res::IDS_ONLY_BUILT_IN_PORTS));
    SimulatedAdapter& simulator = *options_.simulatedAdapter;
    std::uint32_t answer = settings_.GetProfileInt(kSimulatorSection, kStartEntry, NotAsked);
    if (!simulator.Supported()) {
        if (answer == NotAsked) {
            ShowMessage(res::IDS_CONNECT_ADAPTER_GUIDE, MessageButtons::Ok, MessageIcon::Information);
            settings_.WriteProfileInt(kSimulatorSection, kStartEntry, LeaveIt);
        }
        return;
    }
    if (!simulator.Available())
        return;
    if (answer == NotAsked) {
        answer = ShowMessage(res::IDS_OFFER_SIMULATOR, MessageButtons::YesNo, MessageIcon::Question) ==
                         MessageAnswer::Yes
                     ? StartIt
                     : LeaveIt;
        settings_.WriteProfileInt(kSimulatorSection, kStartEntry, answer);
    }
    if (answer == StartIt)
        StartSimulatedAdapter(res::IDS_SIMULATOR_STARTED);
}

void CProbexApp::StartSimulatedAdapter(res::ResourceId startedText)
{
    SimulatedAdapter& simulator = *options_.simulatedAdapter;
    const QString comName = QString::fromStdString(platform::UnusedComName());
    QString error;
    if (comName.isEmpty()) {
        error = LoadText(res::IDS_COM_NAMES_TAKEN)
                    .arg(QString::fromStdString(platform::PortMapFolder()),
                         QString::number(platform::kListedComPorts));
    }
    if (!error.isEmpty() || !simulator.Start(comName, error)) {
        frame_->ShowOutcome(LoadText(res::IDS_SIMULATOR_FAILED).arg(error));
        return;
    }
    view_->RefreshPortList();
    // The simulator is what the user wants to work with; its name leads to it from now on.
    view_->ChoosePort(comName);
    frame_->ShowOutcome(LoadText(startedText).arg(comName, simulator.ImagePath()));
}

bool CProbexApp::CreateMainWindow()
{
    document_ = std::make_unique<CProbexDoc>();
    connectionLog_ = std::make_unique<ConnectionLog>(options_.connectionLogFile);
    document_->GetOperation().SetTraceSink(connectionLog_.get());
    frame_ = std::make_unique<CMainFrame>();
    if (!frame_->Create())
        return false;
    view_ = new CProbexView(settings_);
    view_->SetFrame(frame_.get());
    if (!view_->Create(frame_.get(), document_.get(), options_.controls, options_.devices))
        return false;
    frame_->setCentralWidget(view_);
    frame_->SetDeviceMessage(operation::Operation::PostedMessage());
    frame_->SetCommandRoute([this](res::ResourceId command) { return OnCommand(command); });
    frame_->SetDeviceMessageSink([this](std::uintptr_t wParam) {
        if (view_ && view_->GetDocument())
            view_->GetDocument()->OnDeviceMessage(wParam);
    });
    document_->SetProgressListener(
        [frame = frame_.get()](device::DeviceNotify code, const operation::OperationProgress& progress) {
            frame->ShowDeviceProgress(code, progress);
        });
    frame_->SetCloseQuery([this] { return QueryClose(); });
    frame_->SetCommandState([this](res::ResourceId command) -> std::optional<bool> {
        // One simulator at a time, and only where there is one to start.
        if (command == res::ID_APP_START_SIMULATOR)
            return options_.simulatedAdapter->Available() && !options_.simulatedAdapter->Running();
        return view_->IsEditCommandEnabled(command);
    });
    LoadViewOptions();
    QObject::connect(document_.get(), &CDocument::titleChanged, frame_.get(), &CMainFrame::UpdateFrameTitle);
    frame_->UpdateFrameTitle(document_->GetTitle());
    QObject::connect(document_.get(), &CDocument::modifiedChanged, frame_.get(), &QWidget::setWindowModified);
    frame_->setWindowModified(document_->IsModified());
    messageTarget_ = std::make_unique<CQtMessageTarget>(frame_.get());
    platform::SetMainWindowTarget(messageTarget_.get());
    return true;
}

void CProbexApp::RestoreWindowSize()
{
    const QSize stored(static_cast<int>(settings_.GetProfileInt(kWindowSection, kWidthEntry, 0)),
                       static_cast<int>(settings_.GetProfileInt(kWindowSection, kHeightEntry, 0)));
    // Never below the size the form needs, whatever the file says.
    if (stored.isValid())
        frame_->resize(stored.expandedTo(frame_->minimumSizeHint()));
}

void CProbexApp::StoreWindowSize()
{
    const QSize size = frame_->isMaximized() ? frame_->normalGeometry().size() : frame_->size();
    settings_.WriteProfileInt(kWindowSection, kWidthEntry, static_cast<std::uint32_t>(size.width()));
    settings_.WriteProfileInt(kWindowSection, kHeightEntry, static_cast<std::uint32_t>(size.height()));
}

void CProbexApp::LoadViewOptions()
{
    for (const ViewOption& option : kViewOptions) {
        bool& on = document_.get()->*option.member;
        on = settings_.GetProfileInt(option.section, option.entry, option.fallback ? 1 : 0) != 0;
        if (QAction* action = frame_->GetAction(option.command)) {
            action->setCheckable(true);
            action->setChecked(on);
        }
    }
}

void CProbexApp::ToggleViewOption(res::ResourceId command)
{
    for (const ViewOption& option : kViewOptions) {
        if (option.command != command)
            continue;
        bool& on = document_.get()->*option.member;
        on = !on;
        settings_.WriteProfileInt(option.section, option.entry, on ? 1 : 0);
        if (QAction* action = frame_->GetAction(command))
            action->setChecked(on);
    }
}

bool CProbexApp::QueryClose()
{
    if (closing_)
        return false;  // the first close goes on once the operation has ended
    if (document_->IsDeviceBusy()) {
        if (ShowMessage(res::IDS_CLOSE_WHILE_BUSY, MessageButtons::YesNo, MessageIcon::Question) !=
            MessageAnswer::Yes)
            return false;
        // Ending the worker mid-transfer would leave the EEPROM half written and the device in
        // its connection: the engine stops between bytes and closes the connection first.
        closing_ = true;
        document_->StopDevice();
        while (document_->IsDeviceBusy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        closing_ = false;
    }
    if (!document_->SaveModified())
        return false;
    StoreWindowSize();
    view_->OnDestroy();
    return true;
}

bool CProbexApp::OnCommand(res::ResourceId command)
{
    switch (command) {
    case res::ID_APP_ABOUT:
        OnAppAbout();
        return true;
    case res::ID_VIEW_CONNECTION_LOG:
        OnViewConnectionLog();
        return true;
    case res::ID_VIEW_CHECK_ADAPTER:
        OnCheckAdapter();
        return true;
#ifndef _WIN32
    case res::ID_APP_START_SIMULATOR:
        if (!options_.simulatedAdapter->Running())
            StartSimulatedAdapter(res::IDS_SIMULATOR_RUNS);
        return true;
#endif
    case res::ID_FILE_NEW:
        document_->OnFileNew();
        return true;
    case res::ID_FILE_OPEN:
        document_->OnFileOpen();
        return true;
    case res::ID_FILE_SAVE:
        document_->OnFileSave();
        return true;
    case res::ID_FILE_SAVE_AS:
        document_->OnFileSaveAs();
        return true;
    case res::ID_FILE_RESTORE_BACKUP:
        document_->OnFileRestoreBackup();
        return true;
    case res::ID_FILE_COMPARE_FILE:
        document_->OnFileCompareWithFile();
        return true;
    case res::ID_VIEW_VERIFY_WRITE:
    case res::ID_VIEW_WRITE_CHANGED:
    case res::ID_VIEW_WHOLE_FRAMES:
    case res::ID_VIEW_BACKUP_BEFORE_WRITE:
        ToggleViewOption(command);
        return true;
    default:
        return view_ && view_->OnEditCommand(command);
    }
}

void CProbexApp::OnViewConnectionLog()
{
    if (!connectionLogDlg_)
        connectionLogDlg_ = new CConnectionLogDlg(*connectionLog_, frame_.get());
    connectionLogDlg_->show();
    connectionLogDlg_->raise();
}

void CProbexApp::OnCheckAdapter()
{
    // The check opens the port itself: it would find it held by our own transfer.
    if (document_->IsDeviceBusy()) {
        ShowMessage(res::IDS_DEVICE_BUSY, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    auto* dialog = new CAdapterCheckDlg(frame_.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    adapterCheckDlg_ = dialog;
    dialog->Start(view_->ChosenPort());
    dialog->open();
}

void CProbexApp::OnAppAbout()
{
    CAboutDlg about(frame_.get());
    about.DoModal();
}

}  // namespace app
