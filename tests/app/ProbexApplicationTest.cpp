// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window application, offscreen, with scripted prompts and the simulated adapter and
// device on pseudo-terminals mapped as COM names in a temporary configuration folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <thread>
#include <utility>

#include "app/CAboutDlg.h"
#include "app/CAdapterCheckDlg.h"
#include "app/CConnectionLogDlg.h"
#include "app/CMainFrame.h"
#include "app/CProbexApp.h"
#include "app/CProbexDoc.h"
#include "app/CProbexView.h"
#include "app/CStatusBar.h"
#include "app/ControlId.h"
#include "app/NoSimulatedAdapter.h"
#include "app/ZaqSimProcess.h"
#include "device/ZaqProtocol.h"
#include "dumpedit/widget/CDumpEdit.h"
#include "operation/BackupFiles.h"
#include "platform/MessageTarget.h"
#include "res/FormIds.h"
#include "res/ProgramVersion.h"
#include "res/StringTable.h"
#include "tests/app/support/CScriptedPrompts.h"
#include "tests/app/support/QtTestApplication.h"
#include "tests/support/PtyPair.h"
#include "tests/support/ShortEngineTiming.h"
#include "tests/support/TempDataHome.h"
#include "tests/support/TempPortMap.h"
#include "tests/support/TestSimulator.h"
#include "tools/zaq-sim/Simulator.h"

using namespace app;

namespace {

using Bytes = std::vector<std::uint8_t>;

const QString kLastOperation = "This is a last operation?";
const QString kReadAll = "EEPROM range 00 - FF will be read.\nAre you sure?";

Bytes Pattern()
{
    Bytes image(256);
    for (int i = 0; i < 256; ++i)
        image[i] = static_cast<std::uint8_t>(0x5A ^ (i * 7));
    return image;
}

void Fill(zaqsim::Simulator& sim, const Bytes& bytes)
{
    std::array<std::uint8_t, zaqsim::EepromImage::kSize> image{};
    std::copy_n(bytes.begin(), image.size(), image.begin());
    sim.Eeprom().Fill(image);
}

// What the form looked like when a notification had been handled.
struct Snapshot {
    std::uint16_t code;
    bool editorEnabled;
    bool buttonsEnabled;   // all three
    bool buttonsDisabled;  // all three
    bool comboEnabled;
    bool timeoutEnabled;
    QString pane;
    bool bar;
};

// Keeps the bounding rectangle of a widget's paints since it was last taken.
class PaintedArea : public QObject {
public:
    QRect Take() { return std::exchange(area_, QRect()); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            area_ |= static_cast<QPaintEvent*>(event)->rect();
        return false;
    }

private:
    QRect area_;
};

class ProbexApplication : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureQApplication(); }

    void TearDown() override
    {
        app_.reset();
        sims_.clear();
    }

    zaqsim::Simulator& AddSimulator(const std::string& comName, zaqsim::SimOptions options = {})
    {
        options.linkName = comName;
        sims_.push_back(testsupport::StartSimulator(testsupport::ZeroGapSimOptions(std::move(options))));
        return *sims_.back();
    }

    void StoreSettings(const QString& port, std::uint32_t timeout)
    {
        QSettings store(SettingsPath(), QSettings::IniFormat);
        store.setValue("COM port/Port", port);
        store.setValue("COM port/Timeout", timeout);
    }
    QString SettingsPath() const
    {
        return QString::fromStdString(portMap_.ConfigHome()) + "/Velmora/Probex.conf";
    }
    QVariant Stored(const QString& entry) const
    {
        return QSettings(SettingsPath(), QSettings::IniFormat).value("COM port/" + entry);
    }

    void Start(CProbexApp::Options options = {})
    {
        if (!options.devices)
            options.devices = [this] { return devices_; };
        app_ = std::make_unique<CProbexApp>(std::move(options));
        ASSERT_TRUE(app_->InitInstance());
        app_->GetDocument()->GetOperation().SetEngineTiming(
            testsupport::ShortEngineTiming<operation::EngineTiming>());
        // Watch each notification as the frame hands it on.
        Frame()->SetDeviceMessageSink([this](std::uintptr_t wParam) {
            app_->GetDocument()->OnDeviceMessage(wParam);
            const std::uint16_t code = device::zaq::NotificationCode(std::uint32_t(wParam));
            snapshots_.push_back({code, Editor()->isEnabled(), AllButtons(true), AllButtons(false),
                                  Combo()->isEnabled(), Timeout()->isEnabled(),
                                  Frame()->GetStatusBar()->GetPaneText(0),
                                  Frame()->GetProgressBar() != nullptr});
            finished_ |= code == device::NotifyFinished;
        });
    }

    // Reads the ID, not as the last operation, and waits for the end.
    void ReadIdNotLast()
    {
        prompts_.QueueAnswer(MessageAnswer::Yes);
        prompts_.QueueAnswer(MessageAnswer::No);
        Button(res::IDC_READ_ID)->click();
        WaitUntilFinished();
    }

    // The connection log's text, the window opened through the View menu.
    CConnectionLogDlg* OpenConnectionLog()
    {
        EXPECT_TRUE(Frame()->ExecuteCommand(res::ID_VIEW_CONNECTION_LOG));
        return Frame()->findChild<CConnectionLogDlg*>();
    }

    // Runs the event loop until the device operation has ended.
    void WaitUntilFinished(bool failureExpected = false)
    {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!finished_ && std::chrono::steady_clock::now() < giveUp) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_TRUE(finished_) << "the operation did not finish";
        finished_ = false;
        for (const QString& text : failureExpected ? std::vector<QString>{} : prompts_.MessageTexts()) {
            if (text.startsWith("Unable") || text.startsWith("Device") || text.startsWith("K-line") ||
                text.startsWith("Receive")) {
                ADD_FAILURE() << "the operation failed: " << text.toStdString();
                for (const auto& sim : sims_) {
                    for (const std::string& note : sim->Log().Notes())
                        std::fprintf(stderr, "sim note: %s\n", note.c_str());
                    std::fprintf(stderr, "sim: %zu client bytes, %zu frames\n", sim->Log().ClientByteCount(),
                                 sim->Log().Frames().size());
                }
            }
        }
    }

    CMainFrame* Frame() const { return app_->GetMainWnd(); }
    CProbexView* View() const { return app_->GetView(); }
    dumpedit::CDumpEdit* Editor() const
    {
        return FindControl<dumpedit::CDumpEdit>(Frame(), res::IDC_DUMP_EDIT);
    }
    QComboBox* Combo() const { return FindControl<QComboBox>(Frame(), res::IDC_PORT_COMBO); }
    QLineEdit* Timeout() const { return FindControl<QLineEdit>(Frame(), res::IDC_TIMEOUT_EDIT); }
    QPushButton* Button(res::ResourceId id) const { return FindControl<QPushButton>(Frame(), id); }
    bool AllButtons(bool enabled) const
    {
        for (res::ResourceId id : {res::IDC_READ_ID, res::IDC_READ, res::IDC_WRITE}) {
            if (Button(id)->isEnabled() != enabled)
                return false;
        }
        return true;
    }
    // What the drop-down list shows beside each name.
    QStringList Details() const
    {
        QStringList details;
        for (int i = 0; i < Combo()->count(); ++i)
            details << Combo()->model()->index(i, 1).data().toString();
        return details;
    }
    QStringList ComboItems() const
    {
        QStringList items;
        for (int i = 0; i < Combo()->count(); ++i)
            items << Combo()->itemText(i);
        return items;
    }
    Bytes Dump() const
    {
        const CProbexDoc* doc = app_->GetDocument();
        return Bytes(doc->dumpData.get(), doc->dumpData.get() + doc->dumpSize);
    }
    std::vector<std::uint16_t> Codes() const
    {
        std::vector<std::uint16_t> codes;
        for (const Snapshot& s : snapshots_)
            codes.push_back(s.code);
        return codes;
    }

    testsupport::TempPortMap portMap_;
    CScriptedPrompts prompts_;
    std::vector<std::unique_ptr<zaqsim::Simulator>> sims_;
    std::vector<std::string> devices_;
    std::unique_ptr<CProbexApp> app_;
    std::vector<Snapshot> snapshots_;
    bool finished_ = false;
};

// A port that another program holds open exclusively.
class HeldPort {
public:
    explicit HeldPort(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
        EXPECT_GE(fd_, 0);
        EXPECT_EQ(::flock(fd_, LOCK_EX | LOCK_NB), 0);
    }
    ~HeldPort() { ::close(fd_); }

private:
    int fd_;
};

}  // namespace

TEST_F(ProbexApplication, PortListSortsAsTextAndPrefersAFreeComOneName)
{
    testsupport::PtyPair com1, com2, com10, com16, usb;
    portMap_.Link("COM1", com1.SlavePath());
    portMap_.Link("COM2", com2.SlavePath());
    portMap_.Link("COM10", com10.SlavePath());
    portMap_.Link("COM16", com16.SlavePath());
    devices_ = {usb.SlavePath()};
    HeldPort busy(com1.SlavePath());

    Start();
    EXPECT_EQ(ComboItems(),
              (QStringList{"COM1", "COM10", "COM16", "COM2", QString::fromStdString(usb.SlavePath())}));
    EXPECT_EQ(Details(), (QStringList{"pseudo-terminal - busy", "pseudo-terminal", "pseudo-terminal",
                                      "pseudo-terminal", "pseudo-terminal"}));
    EXPECT_EQ(Combo()->currentText(), "COM10") << "no settings: the first free name beginning with COM1";
    EXPECT_EQ(Timeout()->text(), "10");
    EXPECT_EQ(View()->SelectedPort(), "COM1");
}

TEST_F(ProbexApplication, PortListIsBuiltAnewEachTimeItDropsDownAndKeepsTheChosenPort)
{
    testsupport::PtyPair com2, com3;
    portMap_.Link("COM2", com2.SlavePath());
    portMap_.Link("COM3", com3.SlavePath());
    Start();
    Combo()->setCurrentIndex(Combo()->findText("COM3"));
    ASSERT_EQ(ComboItems(), (QStringList{"COM2", "COM3"}));

    // An adapter plugged in after start appears; a port another program took is shown busy.
    testsupport::PtyPair usb;
    devices_ = {usb.SlavePath()};
    {
        HeldPort taken(com2.SlavePath());
        Combo()->showPopup();
        Combo()->hidePopup();
        EXPECT_EQ(ComboItems(), (QStringList{"COM2", "COM3", QString::fromStdString(usb.SlavePath())}));
        EXPECT_EQ(Details().front(), "pseudo-terminal - busy");
        EXPECT_EQ(Combo()->currentText(), "COM3");
    }

    // The chosen port stays chosen while it cannot be opened; one that went away is dropped.
    {
        HeldPort chosenTaken(com3.SlavePath());
        portMap_.Unlink("COM2");
        Combo()->showPopup();
        Combo()->hidePopup();
        EXPECT_EQ(Combo()->currentText(), "COM3");
        EXPECT_EQ(ComboItems(), (QStringList{"COM3", QString::fromStdString(usb.SlavePath())}));
    }

    // The chosen port going away leaves nothing chosen, rather than another device.
    portMap_.Unlink("COM3");
    Combo()->showPopup();
    Combo()->hidePopup();
    EXPECT_EQ(Combo()->currentIndex(), -1);
    EXPECT_EQ(View()->ChosenPort(), "COM3");
}

TEST_F(ProbexApplication, StoredPortWithoutItemSelectsTheFirstAndACommandStoresIt)
{
    testsupport::PtyPair com2, com3;
    portMap_.Link("COM3", com3.SlavePath());
    portMap_.Link("COM2", com2.SlavePath());
    StoreSettings("COM7", 25);
    Start();
    EXPECT_EQ(Combo()->currentIndex(), 0);
    EXPECT_EQ(Combo()->currentText(), "COM2");
    EXPECT_EQ(Timeout()->text(), "25");

    prompts_.QueueAnswer(MessageAnswer::No);
    Button(res::IDC_READ_ID)->click();
    EXPECT_EQ(prompts_.MessageTexts(), std::vector<QString>{"EEPROM ID will be read.\nAre you sure?"});
    EXPECT_EQ(Stored("Port").toString(), "COM2");
    EXPECT_EQ(Stored("Timeout").toUInt(), 25u);
}

// The installed program with no adapter offers the simulator once and keeps the answer; a yes
// starts it under a COM name nothing holds, on the user's copy of the shipped image, until the
// window closes.
TEST_F(ProbexApplication, NoPortOffersTheSimulatorOnceAndRunsItWhileTheWindowIsOpen)
{
#if defined(__SANITIZE_THREAD__)
    // Qt starts a process with a clone that shares this process's memory until the exec; the
    // thread sanitizer's bookkeeping of the child lands in ours and it stops the test.
    GTEST_SKIP() << "starts a process, which the thread sanitizer cannot follow";
#endif
    const auto writeFile = [](const std::string& path, std::size_t size, char byte) {
        std::ofstream(path, std::ios::binary) << std::string(size, byte);
    };
    const auto readFile = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string scratch = portMap_.ConfigHome();
    const std::string shipped = scratch + "/shipped.bin";
    writeFile(shipped, 256, 0x5A);
    const ZaqSimProcess::Files files{ZAQ_SIM_PATH, QString::fromStdString(shipped),
                                     QString::fromStdString(scratch + "/data/demo.bin")};
    const QString offer = QString::fromStdString(res::LoadString(res::IDS_OFFER_SIMULATOR));
    const auto startWith = [&](std::optional<MessageAnswer> answer) {
        prompts_.prompts.clear();
        if (answer)
            prompts_.QueueAnswer(*answer);
        CProbexApp::Options options;
        options.simulatedAdapter = std::make_shared<ZaqSimProcess>(files);
        Start(std::move(options));
        return prompts_.MessageTexts();
    };
    const auto comLink = [&](const char* name) {
        return std::filesystem::is_symlink(portMap_.PortsFolder() + "/" + name);
    };
    portMap_.Link("COM1", scratch + "/unplugged");  // listed nowhere, yet its name is taken

    EXPECT_EQ(startWith(MessageAnswer::Yes), std::vector<QString>{offer});
    EXPECT_EQ(ComboItems(), QStringList{"COM2"});
    EXPECT_TRUE(AllButtons(true));
    EXPECT_EQ(Frame()->GetStatusBar()->GetPaneText(0),
              "No serial adapter found: COM2 is a simulated adapter and ZAQ device, its EEPROM image " +
                  files.image);
    EXPECT_EQ(Details(), QStringList{"pseudo-terminal"}) << "it opens";
    EXPECT_EQ(readFile(files.image.toStdString()), std::string(256, 0x5A)) << "a copy of the shipped image";
    app_.reset();
    EXPECT_FALSE(comLink("COM2")) << "the simulator stopped with the window";
    EXPECT_TRUE(comLink("COM1"));

    // The kept yes starts it without a question, on the copy as the device left it.
    writeFile(files.image.toStdString(), 256, 0x11);
    EXPECT_TRUE(startWith(std::nullopt).empty());
    EXPECT_EQ(ComboItems(), QStringList{"COM2"});
    EXPECT_EQ(readFile(files.image.toStdString()), std::string(256, 0x11));
    app_.reset();

    // A no is kept too: no simulator, no question, the described reason in the status bar.
    QSettings(SettingsPath(), QSettings::IniFormat).remove("Simulator");
    for (const auto answer : {std::optional{MessageAnswer::No}, std::optional<MessageAnswer>{}}) {
        EXPECT_EQ(startWith(answer).size(), answer ? 1u : 0u);
        EXPECT_EQ(Combo()->count(), 0);
        EXPECT_FALSE(comLink("COM2"));
        EXPECT_EQ(Frame()->GetStatusBar()->GetPaneText(0),
                  "No serial port found: plug the K-line adapter in, then open the port list");
        app_.reset();
    }
    // After a no the Info menu still starts it, chosen at once; while it runs, once only.
    startWith(std::nullopt);
    EXPECT_TRUE(Frame()->ExecuteCommand(res::ID_APP_START_SIMULATOR));
    EXPECT_EQ(ComboItems(), QStringList{"COM2"});
    EXPECT_EQ(View()->ChosenPort(), "COM2");
    EXPECT_EQ(Frame()->GetStatusBar()->GetPaneText(0),
              "COM2 is a simulated adapter and ZAQ device, its EEPROM image " + files.image);
    QMenu* info = Frame()->menuBar()->actions().at(3)->menu();
    emit info->aboutToShow();
    EXPECT_FALSE(Frame()->GetAction(res::ID_APP_START_SIMULATOR)->isEnabled());
    app_.reset();
    EXPECT_FALSE(comLink("COM2"));

    // With a port there is nothing to offer; a simulator that fails says why.
    QSettings(SettingsPath(), QSettings::IniFormat).setValue("Simulator/Start", 1);
    AddSimulator("COM3");
    EXPECT_TRUE(startWith(std::nullopt).empty());
    EXPECT_EQ(ComboItems(), QStringList{"COM3"});
    app_.reset();
    sims_.clear();
    writeFile(files.image.toStdString(), 10, 0);
    EXPECT_TRUE(startWith(std::nullopt).empty());
    EXPECT_EQ(Combo()->count(), 0);
    EXPECT_TRUE(
        Frame()->GetStatusBar()->GetPaneText(0).startsWith("The simulated adapter did not start: zaq-sim: "))
        << Frame()->GetStatusBar()->GetPaneText(0).toStdString();
}

// Where no simulator can run, the first start without an adapter says how to connect one, once.
TEST_F(ProbexApplication, NoPortWithoutASimulatorSaysOnceHowToConnectAnAdapter)
{
    StoreSettings("COM5", 3);  // an empty port map: no port at all
    const QString guide = QString::fromStdString(res::LoadString(res::IDS_CONNECT_ADAPTER_GUIDE));
    for (const std::size_t shown : {1u, 0u}) {
        prompts_.prompts.clear();
        CProbexApp::Options options;
        options.simulatedAdapter = std::make_shared<NoSimulatedAdapter>();
        Start(std::move(options));
        EXPECT_EQ(prompts_.MessageTexts(), std::vector<QString>(shown, guide));
        for (const auto& prompt : prompts_.prompts)
            EXPECT_EQ(prompt.icon, MessageIcon::Information);
        app_.reset();
    }
}

// With no port at all the device commands could only fail: they wait, and the status bar says
// why, until the list finds a port.
TEST_F(ProbexApplication, EmptyPortListDisablesTheDeviceCommandsAndSaysWhy)
{
    StoreSettings("COM5", 3);  // the port map folder exists and is empty: no port at all
    Start();
    EXPECT_EQ(Combo()->count(), 0);
    EXPECT_TRUE(AllButtons(false));
    EXPECT_FALSE(Button(res::IDC_COMPARE)->isEnabled());
    EXPECT_TRUE(Editor()->isEnabled());
    EXPECT_EQ(Frame()->GetStatusBar()->GetPaneText(0),
              "No serial port found: plug the K-line adapter in, then open the port list");
    View()->SaveSettings();
    EXPECT_EQ(Stored("Port").toString(), "COM5") << "the stored name is kept";

    AddSimulator("COM5");
    Combo()->showPopup();
    Combo()->hidePopup();
    EXPECT_EQ(ComboItems(), QStringList{"COM5"});
    EXPECT_TRUE(AllButtons(true));
}

// Check adapter: the chosen port's check runs while the dialog says so, then shows its report,
// which Copy puts on the clipboard; the device is not woken.
TEST_F(ProbexApplication, CheckAdapterShowsTheReportOfTheChosenPortWithCopy)
{
    zaqsim::Simulator& sim = AddSimulator("COM1");
    StoreSettings("COM1", 10);
    Start();
    ASSERT_TRUE(Frame()->ExecuteCommand(res::ID_VIEW_CHECK_ADAPTER));
    CAdapterCheckDlg* dialog = app_->GetAdapterCheckDlg();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (dialog->Running() && std::chrono::steady_clock::now() < giveUp)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_FALSE(dialog->Running());
    const QString report = dialog->TextView()->toPlainText();
    EXPECT_TRUE(report.startsWith("Port: COM1 (" + QString::fromStdString(sim.SlavePath()) + ")\n"))
        << report.toStdString();
    // Which verdict depends on how soon each echo comes, which a loaded machine decides: the
    // check's own tests judge the echoes.
    EXPECT_TRUE(report.contains("\nVerdict: ")) << report.toStdString();
    dialog->CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), report);
    EXPECT_TRUE(zaqsim::FramesOf(sim.Log().Frames(), zaqsim::FrameKind::Pulse).empty());
    dialog->close();
}

TEST_F(ProbexApplication, TimeoutFieldIsCheckedBeforeAnyQuestion)
{
    AddSimulator("COM1");
    StoreSettings("COM1", 10);
    Start();
    QApplication::setActiveWindow(Frame());
    struct Case {
        QString text;
        QString message;
        std::uint32_t stored;
    };
    const QString range = "Please enter an integer between 1 and 30.";
    const QString number = "Please enter a positive integer.";
    for (const Case& c :
         {Case{"0", range, 0}, Case{"31", range, 31}, Case{"abc", number, 31}, Case{" -4", number, 31}}) {
        prompts_.prompts.clear();
        Timeout()->setText(c.text);
        Button(res::IDC_READ)->click();
        EXPECT_EQ(prompts_.MessageTexts(), std::vector<QString>{c.message}) << c.text.toStdString();
        EXPECT_EQ(prompts_.prompts.at(0).icon, MessageIcon::Exclamation);
        EXPECT_EQ(Stored("Timeout").toUInt(), c.stored) << "written whatever the check said";
        EXPECT_EQ(Timeout()->selectedText(), c.text) << "the entry's text is selected for correction";
        EXPECT_EQ(QApplication::focusWidget(), Timeout());
        EXPECT_FALSE(Editor()->HasSelection());
    }
    EXPECT_FALSE(app_->GetDocument()->IsDeviceBusy());

    prompts_.prompts.clear();
    Timeout()->setText("12s");
    prompts_.QueueAnswer(MessageAnswer::No);
    Button(res::IDC_READ_ID)->click();
    EXPECT_EQ(prompts_.MessageTexts(), std::vector<QString>{"EEPROM ID will be read.\nAre you sure?"});
    EXPECT_EQ(Stored("Timeout").toUInt(), 12u);

    prompts_.prompts.clear();
    Timeout()->setText("1");
    prompts_.QueueAnswer(MessageAnswer::No);
    Button(res::IDC_READ_ID)->click();
    EXPECT_EQ(prompts_.MessageTexts(), std::vector<QString>{"EEPROM ID will be read.\nAre you sure?"})
        << "1 s is the lowest time-out allowed";

    Timeout()->setText("30");
    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    Button(res::IDC_READ_ID)->click();
    EXPECT_EQ(app_->GetDocument()->GetOperation().Record().timeoutMs, 30000u);
    WaitUntilFinished();
}

TEST_F(ProbexApplication, ConnectionLogShowsTheTraceOfEachConnection)
{
    AddSimulator("COM1");
    Start();
    ReadIdNotLast();

    auto* dialog = OpenConnectionLog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    const QString text = dialog->TextView()->toPlainText();
    EXPECT_TRUE(
        text.contains(QRegularExpression("^ +\\d+ ms  opened COM1$", QRegularExpression::MultilineOption)))
        << text.toStdString();
    EXPECT_TRUE(text.contains(
        QRegularExpression(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d [+-]\d{4}  read ID  port COM1 \(/)")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(" ms  result 0: ok$"))) << text.toStdString();

    // A second connection reaches the open window by itself.
    ReadIdNotLast();
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (dialog->TextView()->toPlainText().count("opened COM1") < 2 &&
           std::chrono::steady_clock::now() < giveUp)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(dialog->TextView()->toPlainText().count("opened COM1"), 2);
}

TEST_F(ProbexApplication, ReadWithoutSelectionMarksAndReadsEverything)
{
    zaqsim::Simulator& sim = AddSimulator("COM1");
    Fill(sim, Pattern());
    Start();
    ASSERT_EQ(Combo()->currentText(), "COM1");

    prompts_.QueueAnswer(MessageAnswer::No);
    Button(res::IDC_READ)->click();
    EXPECT_EQ(prompts_.MessageTexts(), std::vector<QString>{kReadAll});
    quint32 first = 0, last = 0;
    ASSERT_TRUE(Editor()->GetMarkedRange(first, last));
    EXPECT_EQ(first, 0u);
    EXPECT_EQ(last, 255u);
    EXPECT_FALSE(app_->GetDocument()->IsDeviceBusy());

    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueAnswer(MessageAnswer::No);
    Button(res::IDC_READ)->click();
    WaitUntilFinished();
    EXPECT_EQ(Dump(), Pattern());
    EXPECT_FALSE(app_->GetDocument()->IsModified()) << "bytes from the device do not mark the dump";
    EXPECT_FALSE(Frame()->GetStatusBar()->GetPaneText(0).isEmpty());
}

TEST_F(ProbexApplication, ReadOfASelectionMarksItAndDropsTheSelection)
{
    zaqsim::Simulator& sim = AddSimulator("COM1");
    Fill(sim, Pattern());
    Start();
    std::fill_n(app_->GetDocument()->dumpData.get(), 256, 0xEE);

    Editor()->SetSelection(0x10, 0x1F, false, true);
    prompts_.QueueAnswer(MessageAnswer::No);
    Button(res::IDC_READ)->click();
    EXPECT_EQ(prompts_.MessageTexts(),
              std::vector<QString>{"EEPROM range 10 - 1F will be read.\nAre you sure?"});
    quint32 first = 0, last = 0;
    ASSERT_TRUE(Editor()->GetMarkedRange(first, last));
    EXPECT_EQ(first, 0x10u);
    EXPECT_EQ(last, 0x1Fu);
    EXPECT_FALSE(Editor()->HasSelection()) << "answering No leaves the selection removed";

    Editor()->SetSelection(0x10, 0x1F, false, true);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    Button(res::IDC_READ)->click();
    WaitUntilFinished();
    Bytes expected(256, 0xEE);
    std::copy_n(Pattern().begin() + 0x10, 16, expected.begin() + 0x10);
    EXPECT_EQ(Dump(), expected) << "start 16, count 16";
}

TEST_F(ProbexApplication, WriteKeepsSelectionAndMarkAndWritesTheRange)
{
    zaqsim::Simulator& sim = AddSimulator("COM1");
    Start();
    for (int i = 0; i < 256; ++i)
        app_->GetDocument()->dumpData[i] = static_cast<std::uint8_t>(i);
    Editor()->SetMarkedRange(0x40, 0x47, false, true);
    Editor()->SetSelection(0x20, 0x23, false, true);

    prompts_.QueueAnswer(MessageAnswer::No);
    Button(res::IDC_WRITE)->click();
    EXPECT_EQ(prompts_.MessageTexts(),
              std::vector<QString>{"EEPROM range 20 - 23 will be overwrite.\nAre you sure?"});

    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    Button(res::IDC_WRITE)->click();
    WaitUntilFinished();
    quint32 first = 0, last = 0;
    ASSERT_TRUE(Editor()->GetSelection(first, last));
    EXPECT_EQ(std::pair(first, last), std::pair(0x20u, 0x23u));
    ASSERT_TRUE(Editor()->GetMarkedRange(first, last));
    EXPECT_EQ(std::pair(first, last), std::pair(0x40u, 0x47u));
    const auto eeprom = sim.Eeprom().Bytes();
    EXPECT_EQ(Bytes(eeprom.begin() + 0x1F, eeprom.begin() + 0x25), (Bytes{0, 0x20, 0x21, 0x22, 0x23, 0}));
    EXPECT_EQ(Dump()[0x30], 0x30) << "a write leaves the dump alone";
}

TEST_F(ProbexApplication, FormIsBusyFromFirstToLastNotificationAndShowsProgress)
{
    AddSimulator("COM1");
    Start();
    Editor()->SetSelection(0x10, 0x12, false, true);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    Button(res::IDC_READ)->click();
    WaitUntilFinished();

    ASSERT_EQ(Codes(), (std::vector<std::uint16_t>{0, 2, 3, 4, 4, 4, 5, 1}));
    for (std::size_t i = 0; i + 1 < snapshots_.size(); ++i) {
        EXPECT_FALSE(snapshots_[i].editorEnabled) << i;
        EXPECT_TRUE(snapshots_[i].buttonsDisabled) << i;
        EXPECT_TRUE(snapshots_[i].comboEnabled) << i;
        EXPECT_TRUE(snapshots_[i].timeoutEnabled) << i;
    }
    EXPECT_TRUE(snapshots_.back().editorEnabled);
    EXPECT_TRUE(snapshots_.back().buttonsEnabled);

    QStringList panes;
    for (std::size_t i = 2; i < snapshots_.size(); ++i)
        panes << snapshots_[i].pane;
    // The bar gives the pane back, then the finished read says what it did.
    ASSERT_EQ(panes.size(), 6);
    EXPECT_EQ(panes.mid(0, 5),
              (QStringList{"Progress", "Reading 33 %", "Reading 66 %", "Reading 100 %", "Ready"}));
    EXPECT_TRUE(panes[5].contains(QRegularExpression("^Read 3 bytes in \\d+\\.\\d s$")))
        << panes[5].toStdString();
    EXPECT_TRUE(snapshots_[5].bar);
    EXPECT_FALSE(snapshots_[6].bar);
    EXPECT_FALSE(snapshots_[7].bar);
    EXPECT_EQ(View()->findChild<QGroupBox*>()->title(),
              QString::fromLatin1(app_->GetDocument()->GetIdText()));
    EXPECT_FALSE(app_->GetDocument()->GetIdText().empty());
}

TEST_F(ProbexApplication, EachTransferredByteRepaintsOnlyTheEditorRowItIsIn)
{
    Start();
    PaintedArea paints;
    Editor()->viewport()->installEventFilter(&paints);
    // Posted as the engine posts them, after a read of 1E..20 that found no port.
    const auto deliver = [&](device::DeviceNotify code, std::uint16_t value) {
        platform::PostToMainWindow(operation::Operation::PostedMessage(),
                                   device::zaq::PackNotification(code, value), 0);
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        return paints.Take();
    };
    prompts_.QueueAnswer(MessageAnswer::Yes);
    app_->GetDocument()->ReadRange("COM9", 1000, 0x1E, 3);
    WaitUntilFinished(true);
    QApplication::processEvents();
    paints.Take();
    EXPECT_EQ(deliver(device::NotifyOpened, 0), Editor()->viewport()->rect()) << "disabling repaints it all";
    deliver(device::NotifyRangeBegin, 3);

    const dumpedit::DumpLayout& layout = Editor()->Layout();
    std::vector<std::pair<int, int>> rows;  // top and height of each byte's repaint
    for (int i = 0; i < 3; ++i) {
        const QRect painted = deliver(device::NotifyByteDone, 0);
        rows.emplace_back(painted.top(), painted.height());
    }
    const int top = layout.textRect.top;
    const int lh = layout.lineHeight;
    EXPECT_EQ(rows, (std::vector<std::pair<int, int>>{{top + lh, lh}, {top + lh, lh}, {top + 2 * lh, lh}}));
}

TEST_F(ProbexApplication, ErrorBoxComesAfterTheFormIsEnabledAgain)
{
    zaqsim::SimOptions noAdapter;
    noAdapter.noEcho = true;
    AddSimulator("COM1", noAdapter);
    Start();
    bool enabledAtError = false;
    prompts_.onPrompt = [&](const CScriptedPrompts::Prompt& prompt) {
        if (prompt.text.startsWith("K-line adapter"))
            enabledAtError = Editor()->isEnabled() && AllButtons(true);
    };
    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    Button(res::IDC_READ_ID)->click();
    WaitUntilFinished(true);
    // The described message first, then what happened where, from the connection's own record.
    EXPECT_EQ(prompts_.MessageTexts().back(), "K-line adapter not present or power off or invalid COM port\n"
                                              "Waited 1.0 s for the echo of the wake-up pulse 1; it did not "
                                              "come. Nothing was echoed in this connection.");
    EXPECT_EQ(prompts_.prompts.back().icon, MessageIcon::Error);
    EXPECT_TRUE(enabledAtError);
}

TEST_F(ProbexApplication, WindowCaptionSizeSettingsAndAbout)
{
    testsupport::PtyPair com1;
    portMap_.Link("COM1", com1.SlavePath());
    Start();
    EXPECT_EQ(Frame()->windowTitle(), "Probex - No file[*]");
    EXPECT_FALSE(Frame()->isWindowModified());
    EXPECT_TRUE(Frame()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(View()->size(), View()->FormSize()) << "the client area fits the form";
    EXPECT_EQ(View()->minimumSize(), View()->FormSize()) << "and cannot get smaller";
    EXPECT_TRUE(Frame()->isVisible());

    EXPECT_FALSE(QFile::exists(SettingsPath()));
    prompts_.QueueAnswer(MessageAnswer::No);
    Button(res::IDC_READ_ID)->click();
    EXPECT_EQ(Stored("Port").toString(), "COM1");
    EXPECT_EQ(Stored("Timeout").toUInt(), 10u);

    QStringList aboutTexts;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        aboutTexts << about->windowTitle();
        for (QLabel* label : about->findChildren<QLabel*>()) {
            if (label->pixmap().isNull())
                aboutTexts << label->text();
        }
        FindControl<QPushButton>(about, res::IDOK)->click();
    });
    Frame()->GetAction(res::ID_APP_ABOUT)->trigger();
    EXPECT_EQ(aboutTexts,
              (QStringList{"Инфо", "Reader ZAQ for K-L adapter",
                           QString::fromStdString("Version " + std::string(res::ProgramVersion()))}));
}

TEST_F(ProbexApplication, EditingMarksTheDumpAndClosingAsksToSave)
{
    Start();
    QApplication::setActiveWindow(Frame());
    Editor()->setFocus();
    QTest::keyClick(Editor(), Qt::Key_A);
    EXPECT_EQ(app_->GetDocument()->dumpData[0], 0xA0);
    EXPECT_TRUE(app_->GetDocument()->IsModified());
    EXPECT_TRUE(Frame()->isWindowModified()) << "the caption marks the dump";

    prompts_.QueueAnswer(MessageAnswer::Cancel);
    Frame()->close();
    EXPECT_TRUE(Frame()->isVisible()) << "Cancel keeps the window";
    EXPECT_EQ(prompts_.MessageTexts(), std::vector<QString>{"Save changes to No file?"});
}

TEST_F(ProbexApplication, ClosingWithAnUnreadableTimeoutComplainsOnceAndKeepsThePrevious)
{
    StoreSettings("COM1", 7);
    Start();
    Timeout()->setText("abc");
    Frame()->close();
    EXPECT_FALSE(Frame()->isVisible());
    app_.reset();
    EXPECT_EQ(prompts_.MessageTexts(), std::vector<QString>{"Please enter a positive integer."});
    EXPECT_EQ(Stored("Timeout").toUInt(), 7u);
}

TEST_F(ProbexApplication, WindowThatCannotBeMadeIsReported)
{
    const auto none = [](const std::string&, QWidget*, std::uint32_t) -> QWidget* { return nullptr; };
    // A control of the wrong kind where the editor belongs fails the form just the same.
    const auto wrongKind = [](const std::string&, QWidget* parent, std::uint32_t) -> QWidget* {
        return new QWidget(parent);
    };
    for (const CustomControlFactory& factory :
         {CustomControlFactory(none), CustomControlFactory(wrongKind)}) {
        prompts_.prompts.clear();
        app_ = std::make_unique<CProbexApp>(
            CProbexApp::Options{factory, [] { return std::vector<std::string>{}; }, {}});
        EXPECT_FALSE(app_->InitInstance());
        EXPECT_EQ(app_->GetMainWnd(), nullptr);
        EXPECT_EQ(prompts_.MessageTexts(), std::vector<QString>{"Failed to create empty document."});
        app_.reset();
        EXPECT_FALSE(QFile::exists(SettingsPath())) << "a form never made stores no settings";
    }
}

TEST_F(ProbexApplication, UndoBackToTheSavedDumpLeavesItUnmodified)
{
    Start();
    QApplication::setActiveWindow(Frame());
    Editor()->setFocus();
    QTest::keyClick(Editor(), Qt::Key_1);
    QTest::keyClick(Editor(), Qt::Key_2);
    ASSERT_TRUE(app_->GetDocument()->IsModified());
    QTest::keyClick(Editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(app_->GetDocument()->dumpData[0], 0x00);
    EXPECT_FALSE(app_->GetDocument()->IsModified()) << "back to the new dump";
    QTest::keyClick(Editor(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(app_->GetDocument()->IsModified());

    const QString path = QString::fromStdString(portMap_.ConfigHome()) + "/saved.bin";
    prompts_.QueueFileName(path);
    ASSERT_TRUE(app_->GetDocument()->OnFileSave());
    EXPECT_FALSE(app_->GetDocument()->IsModified());
    EXPECT_EQ(Editor()->ByteStateAt(0), dumpedit::ByteState::Unchanged) << "saved bytes are the reference";
    QTest::keyClick(Editor(), Qt::Key_Home);
    QTest::keyClick(Editor(), Qt::Key_3);
    EXPECT_TRUE(app_->GetDocument()->IsModified());
    EXPECT_EQ(Editor()->ByteStateAt(0), dumpedit::ByteState::Changed);
    QTest::keyClick(Editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(app_->GetDocument()->IsModified()) << "back to the saved dump";
    QTest::keyClick(Editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(app_->GetDocument()->IsModified()) << "before the save";
    EXPECT_EQ(app_->GetDocument()->dumpData[0], 0x00);

    // New starts without a history.
    prompts_.QueueAnswer(MessageAnswer::No);
    ASSERT_TRUE(app_->GetDocument()->OnFileNew());
    EXPECT_FALSE(Editor()->CanUndo());
}

TEST_F(ProbexApplication, ADeviceReadClearsTheHistoryAndTheChangedBytes)
{
    zaqsim::Simulator& sim = AddSimulator("COM1");
    Fill(sim, Pattern());
    Start();
    QApplication::setActiveWindow(Frame());
    Editor()->setFocus();
    QTest::keyClick(Editor(), Qt::Key_1);
    QTest::keyClick(Editor(), Qt::Key_2);
    ASSERT_EQ(Editor()->ByteStateAt(0), dumpedit::ByteState::Changed);

    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueAnswer(MessageAnswer::No);
    Button(res::IDC_READ)->click();
    WaitUntilFinished();
    ASSERT_EQ(Dump(), Pattern());
    EXPECT_FALSE(Editor()->CanUndo());
    EXPECT_EQ(Editor()->ByteStateAt(0), dumpedit::ByteState::Unchanged);
    Editor()->setFocus();
    QTest::keyClick(Editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Dump(), Pattern()) << "undo must not write old bytes over the ones read";
}

TEST_F(ProbexApplication, StatusBarShowsTheCaretAndFindsThatFailed)
{
    Start();
    CStatusBar* bar = Frame()->GetStatusBar();
    EXPECT_EQ(bar->GetCaretText(), "Addr 00  Value 00  0  00000000");
    EXPECT_LT(bar->GetItemRect(0).right, bar->GetCaretRect().left);
    EXPECT_LT(bar->GetCaretRect().right, bar->GetItemRect(1).left);
    QApplication::setActiveWindow(Frame());
    Editor()->setFocus();
    QTest::keyClick(Editor(), Qt::Key_Down);
    QTest::keyClick(Editor(), Qt::Key_Right);
    QTest::keyClick(Editor(), Qt::Key_Right);
    EXPECT_EQ(bar->GetCaretText(), "Addr 11  Value 00  0  00000000");

    struct NoMatch : dumpedit::IDumpPrompts {
        std::optional<QString> AskText(QWidget*, const QString&, const QString&, const QString&) override
        {
            return QStringLiteral("\"xyz\"");
        }
    } prompts;
    Editor()->SetPrompts(&prompts);
    QTest::keyClick(Editor(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(bar->GetPaneText(0), "Not found");
    Editor()->SetPrompts(nullptr);
}

namespace {

// What the device saw of a write: the addresses whose second write step (the address) came in,
// and whether the connection ended with its stop frame and then the trailer.
struct WireAccount {
    std::vector<std::uint32_t> writtenAddresses;
    bool endedCleanly = false;
};

WireAccount Account(zaqsim::Simulator& sim)
{
    WireAccount account;
    const auto frames = sim.Log().Frames();
    for (const auto& frame : frames) {
        if (frame.kind == zaqsim::FrameKind::Request && frame.bytes.size() > 7 && frame.bytes[0] == 0x85 &&
            frame.bytes[6] == 0x62)
            account.writtenAddresses.push_back(frame.bytes[7]);
    }
    const std::size_t n = frames.size();
    account.endedCleanly = n >= 2 && frames[n - 1].kind == zaqsim::FrameKind::Trailer &&
                           frames[n - 2].kind == zaqsim::FrameKind::Request &&
                           frames[n - 2].bytes[0] == 0x81 && frames[n - 2].bytes[3] == 0x82;
    return account;
}

}  // namespace

TEST_F(ProbexApplication, StopButtonAndEscStopAWriteBetweenBytesAndSayWhatWasWritten)
{
    zaqsim::SimOptions slow;
    // A whole write then takes minutes, and a stop asked once the device has the second step of
    // a byte lands long before the engine sends that byte's third.
    slow.responseDelayMs = 200;
    zaqsim::Simulator& sim = AddSimulator("COM1", slow);
    Start();
    // At this pace the backup's reading of the whole EEPROM would take minutes.
    app_->GetDocument()->backupBeforeWrite = false;
    EXPECT_FALSE(Button(res::IDC_STOP)->isEnabled()) << "nothing to stop";
    for (int i = 0; i < 256; ++i)
        app_->GetDocument()->dumpData[i] = static_cast<std::uint8_t>(i + 1);

    const QRegularExpression account(
        "^Stopped; the device connection was closed cleanly\n"
        "Bytes 00 - ([0-9A-F]{2}) were written, ([0-9A-F]{2}) - FF were not\\.$");
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Esc" : "Stop button");
        sim.Log().Clear();
        sim.Eeprom().Fill({});
        prompts_.prompts.clear();
        QApplication::setActiveWindow(Frame());
        std::size_t bytesDone = 0;
        bool stopEnabledWhileBusy = false;
        bool othersDisabledWhileBusy = false;
        Frame()->SetDeviceMessageSink([&](std::uintptr_t wParam) {
            app_->GetDocument()->OnDeviceMessage(wParam);
            const device::DeviceNotification notification =
                device::zaq::DecodeNotification(std::uint32_t(wParam));
            if (notification.code == device::NotifyByteDone && ++bytesDone == 2) {
                // Between the steps of byte 02: the device has its address step, not yet the rest.
                const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
                while (Account(sim).writtenAddresses.size() < 3 && std::chrono::steady_clock::now() < until)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                stopEnabledWhileBusy = Button(res::IDC_STOP)->isEnabled();
                othersDisabledWhileBusy = AllButtons(false) && !Button(res::IDC_COMPARE)->isEnabled();
                if (byKey) {
                    QTest::keyClick(Frame(), Qt::Key_Escape);
                } else {
                    Button(res::IDC_STOP)->click();
                }
            }
            finished_ |= notification.code == device::NotifyFinished;
        });
        prompts_.QueueAnswer(MessageAnswer::Yes);
        prompts_.QueueAnswer(MessageAnswer::Yes);
        Button(res::IDC_WRITE)->click();
        WaitUntilFinished(true);

        EXPECT_TRUE(stopEnabledWhileBusy);
        EXPECT_TRUE(othersDisabledWhileBusy);
        EXPECT_FALSE(Button(res::IDC_STOP)->isEnabled());
        EXPECT_TRUE(AllButtons(true));
        ASSERT_EQ(prompts_.prompts.size(), 3u);
        const QRegularExpressionMatch match = account.match(prompts_.prompts.back().text);
        ASSERT_TRUE(match.hasMatch()) << prompts_.prompts.back().text.toStdString();
        EXPECT_EQ(prompts_.prompts.back().icon, MessageIcon::Information)
            << "the user's own stop is no error";
        const std::uint32_t firstNot = match.captured(2).toUInt(nullptr, 16);
        EXPECT_EQ(match.captured(1).toUInt(nullptr, 16) + 1, firstNot);
        EXPECT_EQ(firstNot, 3u) << "byte 02, begun before the stop, is written whole";

        // The device got exactly the bytes the box names, then the stop frame and the trailer.
        const WireAccount wire = Account(sim);
        EXPECT_TRUE(wire.endedCleanly);
        ASSERT_EQ(wire.writtenAddresses.size(), firstNot);
        const auto eeprom = sim.Eeprom().Bytes();
        for (std::uint32_t a = 0; a < 256; ++a)
            ASSERT_EQ(std::uint32_t{eeprom[a]}, a < firstNot ? a + 1 : 0) << a;
        EXPECT_TRUE(Frame()->GetStatusBar()->GetPaneText(0).startsWith("Stopped after ")) << byKey;
    }

    // Idle, Esc stops nothing and starts nothing.
    prompts_.prompts.clear();
    QTest::keyClick(Frame(), Qt::Key_Escape);
    EXPECT_FALSE(app_->GetDocument()->IsDeviceBusy());
    EXPECT_TRUE(prompts_.prompts.empty());
}

TEST_F(ProbexApplication, ClosingDuringAWriteAsksThenStopsCleanlyBeforeTheSavePromptAndExit)
{
    zaqsim::SimOptions slow;
    slow.responseDelayMs = 10;
    zaqsim::Simulator& sim = AddSimulator("COM1", slow);
    Start();
    std::fill_n(app_->GetDocument()->dumpData.get(), 256, std::uint8_t{0x3C});
    app_->GetDocument()->SetModifiedFlag();

    // The first close (File Exit) is answered No, the second (the window's close) Yes.
    std::size_t bytesDone = 0;
    bool writing = false;  // bytes of the write pass count, not those of its backup
    Frame()->SetDeviceMessageSink([&](std::uintptr_t wParam) {
        app_->GetDocument()->OnDeviceMessage(wParam);
        const device::DeviceNotification notification =
            device::zaq::DecodeNotification(std::uint32_t(wParam));
        if (notification.code == device::NotifyPassBegin)
            writing = notification.value == device::PassWrite;
        if (notification.code == device::NotifyByteDone && writing) {
            ++bytesDone;
            if (bytesDone == 2)
                QTimer::singleShot(0, [&] { Frame()->GetAction(res::ID_APP_EXIT)->trigger(); });
            if (bytesDone == 4)
                QTimer::singleShot(0, [&] { Frame()->close(); });
        }
        finished_ |= notification.code == device::NotifyFinished;
    });
    bool busyAtQuestion = false;
    prompts_.onPrompt = [&](const CScriptedPrompts::Prompt& prompt) {
        if (prompt.text.startsWith("A device operation"))
            busyAtQuestion = app_->GetDocument()->IsDeviceBusy();
    };
    prompts_.QueueAnswer(MessageAnswer::Yes);  // write the range
    prompts_.QueueAnswer(MessageAnswer::Yes);  // last operation
    prompts_.QueueAnswer(MessageAnswer::No);   // keep running
    prompts_.QueueAnswer(MessageAnswer::Yes);  // stop and close
    prompts_.QueueAnswer(MessageAnswer::Ok);   // what the stop did
    prompts_.QueueAnswer(MessageAnswer::No);   // do not save
    Button(res::IDC_WRITE)->click();
    WaitUntilFinished();  // a failure of the device link is told with the simulator's notes
    QApplication::processEvents();

    const std::vector<QString> texts = prompts_.MessageTexts();
    ASSERT_EQ(texts.size(), 6u);
    const QString question = "A device operation is running. Stop it and close?";
    EXPECT_EQ(texts[2], question);
    EXPECT_EQ(texts[3], question);
    EXPECT_TRUE(busyAtQuestion);
    EXPECT_TRUE(texts[4].startsWith("Stopped; the device connection was closed cleanly\nBytes 00 - "))
        << texts[4].toStdString();
    EXPECT_EQ(texts[5], "Save changes to No file?") << "the save prompt comes once the device is done";
    EXPECT_FALSE(Frame()->isVisible());
    EXPECT_FALSE(app_->GetDocument()->IsDeviceBusy());

    const WireAccount wire = Account(sim);
    EXPECT_TRUE(wire.endedCleanly);
    EXPECT_GE(wire.writtenAddresses.size(), 4u) << "No kept the write going";
    EXPECT_LT(wire.writtenAddresses.size(), 128u);
}

TEST_F(ProbexApplication, VerifyCatchesADeviceThatIgnoresWritesAndColoursTheDifferences)
{
    zaqsim::SimOptions ignoring;
    ignoring.ignoreWrites = true;
    zaqsim::Simulator& sim = AddSimulator("COM1", ignoring);
    Start();
    ASSERT_TRUE(Frame()->GetAction(res::ID_VIEW_VERIFY_WRITE)->isChecked()) << "on by default";
    std::uint8_t* dump = app_->GetDocument()->dumpData.get();
    dump[0x10] = 0xAB;
    dump[0x12] = 0x00;  // the device holds 00 there already
    dump[0x13] = 0x07;
    Editor()->SetSelection(0x10, 0x13, false, true);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    Button(res::IDC_WRITE)->click();
    WaitUntilFinished();

    EXPECT_EQ(prompts_.MessageTexts().back(), "Verify after write found 2 bytes different from the dump:\n"
                                              "0x10: wrote AB, read 00\n0x13: wrote 07, read 00");
    EXPECT_EQ(prompts_.prompts.back().icon, MessageIcon::Error);
    for (std::uint32_t a = 0; a < 256; ++a)
        EXPECT_EQ(Editor()->ByteStateAt(a) == dumpedit::ByteState::Differs, a == 0x10 || a == 0x13) << a;
    EXPECT_TRUE(Frame()->GetStatusBar()->GetPaneText(0).startsWith("Verify: 2 bytes differ: 10, 13 ("));
    EXPECT_EQ(Account(sim).writtenAddresses, (std::vector<std::uint32_t>{0x10, 0x11, 0x12, 0x13}));

    // Bytes the device holds already verify clean: the colours go, the status line says so, no box.
    dump[0x10] = dump[0x13] = 0x00;
    prompts_.prompts.clear();
    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    Button(res::IDC_WRITE)->click();
    WaitUntilFinished();
    EXPECT_EQ(prompts_.MessageTexts().size(), 2u);
    EXPECT_TRUE(Frame()->GetStatusBar()->GetPaneText(0).startsWith("Written and verified: 10 - 13 "))
        << Frame()->GetStatusBar()->GetPaneText(0).toStdString();
    EXPECT_NE(Editor()->ByteStateAt(0x10), dumpedit::ByteState::Differs);
    EXPECT_NE(Editor()->ByteStateAt(0x13), dumpedit::ByteState::Differs);
}

TEST_F(ProbexApplication, BacksADeviceUpOncePerRunCanBeTurnedOffAndRestoresABackupAsAnUnsavedDump)
{
    const testsupport::TempDataHome home;
    zaqsim::Simulator& sim = AddSimulator("COM1");
    Fill(sim, Pattern());
    Start();
    QAction* backup = Frame()->GetAction(res::ID_VIEW_BACKUP_BEFORE_WRITE);
    ASSERT_TRUE(backup);
    EXPECT_TRUE(backup->isCheckable() && backup->isChecked()) << "on by default";
    const auto write = [&] {
        prompts_.QueueAnswer(MessageAnswer::Yes);
        prompts_.QueueAnswer(MessageAnswer::Yes);
        Button(res::IDC_WRITE)->click();
        WaitUntilFinished();
        return Frame()->GetStatusBar()->GetPaneText(0);
    };

    // Two writes to the same device in one run: one backup, of the bytes before the first.
    std::fill_n(app_->GetDocument()->dumpData.get(), 256, std::uint8_t{0x11});
    EXPECT_FALSE(write().contains("backup"));
    EXPECT_FALSE(write().contains("backup"));
    const std::vector<operation::BackupEntry> backups =
        operation::ListBackups(operation::DefaultBackupsRoot());
    ASSERT_EQ(backups.size(), 1u);
    QFile stored(QString::fromStdString(backups[0].path));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    const QByteArray original = stored.readAll();
    EXPECT_EQ(Bytes(original.begin(), original.end()), Pattern());

    // Turned off, kept in the settings; the outcome line says the write had no backup.
    backup->trigger();
    EXPECT_FALSE(backup->isChecked());
    EXPECT_EQ(QSettings(SettingsPath(), QSettings::IniFormat).value("Write/Backup").toInt(), 0);
    EXPECT_TRUE(write().contains(", without a backup"));
    EXPECT_EQ(operation::ListBackups(operation::DefaultBackupsRoot()).size(), 1u);

    // Restored: the dialog opens in the device's own backups, the backup comes in unsaved.
    app_->GetDocument()->SetModifiedFlag(false);
    prompts_.prompts.clear();
    prompts_.QueueFileName(QString::fromStdString(backups[0].path));
    ASSERT_TRUE(Frame()->ExecuteCommand(res::ID_FILE_RESTORE_BACKUP));
    ASSERT_EQ(prompts_.prompts.size(), 1u);
    EXPECT_EQ(prompts_.prompts[0].kind, CScriptedPrompts::Kind::OpenFile);
    EXPECT_EQ(prompts_.prompts[0].text, "Restore from backup");
    EXPECT_EQ(prompts_.prompts[0].proposedName,
              QString::fromStdString(home.BackupsFolder() + "/" + backups[0].device));
    EXPECT_EQ(Dump(), Pattern());
    EXPECT_TRUE(app_->GetDocument()->IsModified());
    EXPECT_TRUE(app_->GetDocument()->GetPathName().isEmpty()) << "Save must not overwrite the backup";
    EXPECT_EQ(app_->GetDocument()->GetTitle(),
              QString::fromStdString(backups[0].device + "-" +
                                     std::filesystem::path(backups[0].path).filename().string()));
}

TEST_F(ProbexApplication, VerifyAndChangedOnlyAreViewOptionsKeptInTheSettings)
{
    zaqsim::Simulator& sim = AddSimulator("COM1");
    Fill(sim, Pattern());
    Start();
    QAction* verify = Frame()->GetAction(res::ID_VIEW_VERIFY_WRITE);
    QAction* changed = Frame()->GetAction(res::ID_VIEW_WRITE_CHANGED);
    ASSERT_TRUE(verify && changed);
    EXPECT_TRUE(verify->isCheckable() && changed->isCheckable());
    EXPECT_FALSE(changed->isChecked());
    changed->trigger();
    EXPECT_TRUE(changed->isChecked());
    EXPECT_TRUE(app_->GetDocument()->writeChangedOnly);

    // Only the two bytes that differ from the device are written, then verified.
    Bytes dump = Pattern();
    dump[0x21] ^= 0xFF;
    dump[0xC0] ^= 0x01;
    std::copy(dump.begin(), dump.end(), app_->GetDocument()->dumpData.get());
    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    Button(res::IDC_WRITE)->click();
    WaitUntilFinished();
    EXPECT_EQ(prompts_.MessageTexts().front(),
              "Bytes of 00 - FF that differ from the device will be written.\nAre you sure?");
    EXPECT_EQ(Account(sim).writtenAddresses, (std::vector<std::uint32_t>{0x21, 0xC0}));
    const auto eeprom = sim.Eeprom().Bytes();
    EXPECT_EQ(Bytes(eeprom.begin(), eeprom.end()), dump);
    EXPECT_TRUE(
        Frame()->GetStatusBar()->GetPaneText(0).startsWith("Wrote and verified 2 changed bytes of 256 "))
        << Frame()->GetStatusBar()->GetPaneText(0).toStdString();
    EXPECT_EQ(prompts_.MessageTexts().size(), 2u) << "no box after a clean write";

    // Verify off: the write pass alone; both choices survive a restart.
    verify->trigger();
    EXPECT_FALSE(verify->isChecked());
    app_.reset();
    EXPECT_EQ(QSettings(SettingsPath(), QSettings::IniFormat).value("Write/Verify").toInt(), 0);
    EXPECT_EQ(QSettings(SettingsPath(), QSettings::IniFormat).value("Write/ChangedOnly").toInt(), 1);
    Start();
    EXPECT_FALSE(Frame()->GetAction(res::ID_VIEW_VERIFY_WRITE)->isChecked());
    EXPECT_TRUE(Frame()->GetAction(res::ID_VIEW_WRITE_CHANGED)->isChecked());
    EXPECT_FALSE(app_->GetDocument()->verifyAfterWrite);
    EXPECT_TRUE(app_->GetDocument()->writeChangedOnly);
}

TEST_F(ProbexApplication, WholeFramesIsAViewOptionKeptInTheSettingsAndTakenByEveryRequest)
{
    AddSimulator("COM1");
    Start();
    QAction* frames = Frame()->GetAction(res::ID_VIEW_WHOLE_FRAMES);
    ASSERT_TRUE(frames);
    EXPECT_TRUE(frames->isCheckable());
    EXPECT_FALSE(frames->isChecked()) << "byte by byte unless asked";
    frames->trigger();
    EXPECT_TRUE(app_->GetDocument()->sendWholeFrames);

    ReadIdNotLast();
    auto* dialog = OpenConnectionLog();
    ASSERT_NE(dialog, nullptr);
    const QString text = dialog->TextView()->toPlainText();
    EXPECT_TRUE(text.contains(" ms  sending whole frames, 0 ms between bytes\n")) << text.toStdString();
    EXPECT_TRUE(text.contains(" ms  result 0: ok")) << text.toStdString();

    app_.reset();
    EXPECT_EQ(Stored("WholeFrames").toInt(), 1);
    Start();
    EXPECT_TRUE(Frame()->GetAction(res::ID_VIEW_WHOLE_FRAMES)->isChecked());
    EXPECT_TRUE(app_->GetDocument()->sendWholeFrames);
}

TEST_F(ProbexApplication, CompareLeavesTheDumpAndMarksExactlyTheDifferingBytes)
{
    zaqsim::Simulator& sim = AddSimulator("COM1");
    Fill(sim, Pattern());
    Start();
    Bytes dump = Pattern();
    for (std::uint32_t a : {0x10u, 0x11u, 0x7Fu})
        dump[a] ^= 0x5A;
    std::copy(dump.begin(), dump.end(), app_->GetDocument()->dumpData.get());

    prompts_.QueueAnswer(MessageAnswer::No);
    Button(res::IDC_COMPARE)->click();
    EXPECT_EQ(prompts_.MessageTexts(),
              std::vector<QString>{"EEPROM range 00 - FF will be compared with the dump.\nAre you sure?"});
    EXPECT_FALSE(app_->GetDocument()->IsDeviceBusy());

    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueAnswer(MessageAnswer::No);
    Button(res::IDC_COMPARE)->click();
    WaitUntilFinished();
    EXPECT_EQ(Dump(), dump) << "a compare never writes the dump";
    EXPECT_FALSE(app_->GetDocument()->IsModified());
    for (std::uint32_t a = 0; a < 256; ++a) {
        EXPECT_EQ(Editor()->ByteStateAt(a) == dumpedit::ByteState::Differs,
                  a == 0x10 || a == 0x11 || a == 0x7F)
            << a;
    }
    EXPECT_TRUE(Frame()->GetStatusBar()->GetPaneText(0).startsWith("3 bytes differ: 10, 11, 7F - "));
    EXPECT_EQ(prompts_.MessageTexts().size(), 3u) << "differences are no error";
    EXPECT_TRUE(Account(sim).writtenAddresses.empty());

    // Bytes read from the device agree with it; the others keep their marks.
    Editor()->SetSelection(0x10, 0x11, false, true);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueAnswer(MessageAnswer::No);
    Button(res::IDC_READ)->click();
    WaitUntilFinished();
    EXPECT_NE(Editor()->ByteStateAt(0x10), dumpedit::ByteState::Differs);
    EXPECT_NE(Editor()->ByteStateAt(0x11), dumpedit::ByteState::Differs);
    EXPECT_EQ(Editor()->ByteStateAt(0x7F), dumpedit::ByteState::Differs);

    // A selection compares only itself and reports what it found alone.
    Editor()->SetSelection(0x20, 0x2F, false, true);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueAnswer(MessageAnswer::No);
    Button(res::IDC_COMPARE)->click();
    WaitUntilFinished();
    EXPECT_NE(Editor()->ByteStateAt(0x7F), dumpedit::ByteState::Differs);
    EXPECT_TRUE(Frame()->GetStatusBar()->GetPaneText(0).startsWith("No byte differs (16 compared) - "));
}

TEST_F(ProbexApplication, CompareWithFileMarksTheBytesThatDifferFromItAndLeavesTheDump)
{
    AddSimulator("COM1");
    Start();
    const Bytes dump = Pattern();
    std::copy(dump.begin(), dump.end(), app_->GetDocument()->dumpData.get());
    Bytes backup = dump;
    backup[0x00] ^= 0x01;
    backup[0xFE] ^= 0x80;
    const QString folder = QString::fromStdString(portMap_.ConfigHome());
    const auto writeFile = [&](const QString& name, const Bytes& bytes) {
        QFile file(folder + "/" + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())),
                  qint64(bytes.size()));
        return file.fileName();
    };

    prompts_.QueueFileName(writeFile("backup.bin", backup));
    ASSERT_TRUE(Frame()->ExecuteCommand(res::ID_FILE_COMPARE_FILE));
    ASSERT_EQ(prompts_.prompts.size(), 1u);
    EXPECT_EQ(prompts_.prompts[0].kind, CScriptedPrompts::Kind::OpenFile);
    EXPECT_EQ(prompts_.prompts[0].text, "Compare with file");
    for (std::uint32_t a = 0; a < 256; ++a)
        EXPECT_EQ(Editor()->ByteStateAt(a) == dumpedit::ByteState::Differs, a == 0x00 || a == 0xFE) << a;
    EXPECT_EQ(Frame()->GetStatusBar()->GetPaneText(0), "Compared with backup.bin: 2 bytes differ: 00, FE");
    EXPECT_EQ(Dump(), dump);
    EXPECT_FALSE(app_->GetDocument()->IsModified());

    // A file that is no dump is refused as File Open refuses it; the marks stay.
    prompts_.QueueFileName(writeFile("short.bin", Bytes(100)));
    EXPECT_TRUE(Frame()->ExecuteCommand(res::ID_FILE_COMPARE_FILE));
    EXPECT_EQ(prompts_.MessageTexts().back(),
              "Wrong file size!\nshort.bin holds 100 bytes; a dump holds 256.");
    // A FIFO would hold the window until a writer came: refused at once.
    const QString fifo = folder + "/fifo.bin";
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    prompts_.QueueFileName(fifo);
    EXPECT_TRUE(Frame()->ExecuteCommand(res::ID_FILE_COMPARE_FILE));
    EXPECT_EQ(prompts_.MessageTexts().back(), "Failed to open fifo.bin: not a regular file.");
    EXPECT_EQ(Editor()->ByteStateAt(0xFE), dumpedit::ByteState::Differs);
}

TEST_F(ProbexApplication, GrowingWindowGrowsTheEditorKeepsTheButtonsBesideItAndIsRemembered)
{
    Start();
    const QRect editor = Editor()->geometry();
    const QRect write = Button(res::IDC_WRITE)->geometry();
    const QRect combo = Combo()->geometry();
    const QSize formWindow = Frame()->size();
    Frame()->resize(formWindow + QSize(200, 150));
    QApplication::processEvents();
    EXPECT_EQ(Editor()->geometry(), editor.adjusted(0, 0, 200, 150));
    EXPECT_EQ(Button(res::IDC_WRITE)->geometry(), write.translated(200, 150));
    EXPECT_EQ(Combo()->geometry(), combo.translated(0, 150));
    EXPECT_EQ(Editor()->Layout().bytesPerRow, 16u) << "the columns stay as they are";

    Frame()->close();
    app_.reset();
    Start();
    EXPECT_EQ(Frame()->size(), formWindow + QSize(200, 150));
    EXPECT_EQ(Editor()->geometry(), editor.adjusted(0, 0, 200, 150));
    // A stored size smaller than the form is not taken.
    Frame()->resize(formWindow - QSize(50, 50));
    QApplication::processEvents();
    EXPECT_EQ(View()->size(), View()->FormSize());
}

TEST_F(ProbexApplication, OperationClearsTheLastOutcomeAtOnceAndGivesTheFocusBack)
{
    zaqsim::Simulator& sim = AddSimulator("COM1");
    Fill(sim, Pattern());
    Start();
    QApplication::setActiveWindow(Frame());
    Editor()->setFocus();
    ASSERT_TRUE(Editor()->hasFocus());
    for (int run = 0; run < 2; ++run) {
        prompts_.QueueAnswer(MessageAnswer::Yes);
        prompts_.QueueAnswer(MessageAnswer::No);
        QTest::mouseClick(Button(res::IDC_READ), Qt::LeftButton);
        ASSERT_TRUE(app_->GetDocument()->IsDeviceBusy());
        EXPECT_EQ(Frame()->GetStatusBar()->GetOutcome(), QString()) << run;
        WaitUntilFinished();
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), Editor()) << run;
        EXPECT_FALSE(Frame()->GetStatusBar()->GetOutcome().isEmpty()) << run;
    }
}

TEST_F(ProbexApplication, FileOnTheCommandLineOpensAtStart)
{
    const QString path = QString::fromStdString(portMap_.ConfigHome()) + "/dump.bin";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const Bytes pattern = Pattern();
    file.write(reinterpret_cast<const char*>(pattern.data()), static_cast<qint64>(pattern.size()));
    file.close();
    CProbexApp::Options options;
    options.openFile = path;
    Start(std::move(options));
    EXPECT_EQ(app_->GetDocument()->GetPathName(), path);
    EXPECT_EQ(Dump(), pattern);
    EXPECT_EQ(Frame()->windowTitle(), "Probex - dump.bin[*]");
    EXPECT_TRUE(prompts_.MessageTexts().empty());
}
