#include "app/CProbexApp.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CProbexDoc.h"
#include "app/docview/CPrompts.h"
#include "app/CQtMessageTarget.h"
#include "dumpedit/widget/DumpEditClasses.h"
#include "device/CDeviceZAQ.h"
#include "platform/MessageTarget.h"
#include "platform/PortNames.h"
#include "res/StringTable.h"
#include "dumpedit/widget/WindowClassRegistry.h"

namespace app {

namespace {

const QString kOrganization = QStringLiteral("Velmora");

QWidget* CreateRegisteredControl(const std::string& className, QWidget* parent, std::uint32_t style)
{
    return dumpedit::CWindowClassRegistry::Instance().Create(QString::fromStdString(className), parent, style);
}

}  // namespace

QString CProbexApp::Title()
{
    return QString::fromStdString(res::LoadString(res::IDS_APP_TITLE));
}

CProbexApp::CProbexApp() : CProbexApp(Options{}) {}

CProbexApp::CProbexApp(Options opts) : options(std::move(opts)), settings(kOrganization, Title())
{
    if (!options.controls)
        options.controls = CreateRegisteredControl;
    if (!options.devices)
        options.devices = [] { return platform::ListSerialDevices(); };
}

CProbexApp::~CProbexApp()
{
    DestroyMainWindow();
}

void CProbexApp::DestroyMainWindow()
{
    // No post may reach the frame once it is gone.
    if (messageTarget)
        platform::SetMainWindowTarget(nullptr);
    messageTarget.reset();
    frame.reset();  // the view stores the settings unless the close already did
    view = nullptr;
}

bool CProbexApp::InitInstance()
{
    dumpedit::RegisterDumpEditClasses();
    if (!CreateMainWindow() || !document->OnFileNew()) {
        DestroyMainWindow();
        ShowMessage(res::IDS_FAILED_TO_CREATE_DOC, MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    frame->show();
    if (const QScreen* screen = frame->screen()) {
        QRect placed = frame->frameGeometry();
        placed.moveCenter(screen->availableGeometry().center());
        frame->move(placed.topLeft());
    }
    return true;
}

bool CProbexApp::CreateMainWindow()
{
    document = std::make_unique<CProbexDoc>();
    frame = std::make_unique<CMainFrame>();
    if (!frame->Create())
        return false;
    view = new CProbexView(settings);
    if (!view->Create(frame.get(), document.get(), options.controls, options.devices))
        return false;
    frame->setCentralWidget(view);
    frame->SetDeviceMessage(device::g_deviceZaqMessage);
    frame->SetCommandRoute([this](res::ResourceId command) { return OnCommand(command); });
    frame->SetDeviceNotifySink([this](const device::DeviceNotification& notification) {
        if (view && view->GetDocument())
            view->GetDocument()->OnDeviceNotify(notification);
    });
    frame->SetCloseQuery([this] { return QueryClose(); });
    QObject::connect(document.get(), &CDocument::titleChanged, frame.get(), &CMainFrame::UpdateFrameTitle);
    frame->UpdateFrameTitle(document->GetTitle());
    messageTarget = std::make_unique<CQtMessageTarget>(frame.get());
    platform::SetMainWindowTarget(messageTarget.get());
    return true;
}

bool CProbexApp::QueryClose()
{
    if (!document->SaveModified())
        return false;
    view->OnDestroy();
    return true;
}

bool CProbexApp::OnCommand(res::ResourceId command)
{
    switch (command) {
    case res::ID_APP_ABOUT: OnAppAbout(); return true;
    case res::ID_FILE_NEW: document->OnFileNew(); return true;
    case res::ID_FILE_OPEN: document->OnFileOpen(); return true;
    case res::ID_FILE_SAVE: document->OnFileSave(); return true;
    case res::ID_FILE_SAVE_AS: document->OnFileSaveAs(); return true;
    default: return false;
    }
}

void CProbexApp::OnAppAbout()
{
    CAboutDlg about(frame.get());
    about.DoModal();
}

}  // namespace app
