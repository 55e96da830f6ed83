// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>

#include "app/CMainFrame.h"
#include "app/CStatusBar.h"
#include "app/CStatusBarProgress.h"
#include "app/WindowMessageEvent.h"
#include "res/FormIds.h"
#include "tests/app/support/QtTestApplication.h"

using namespace app;

namespace {

constexpr std::uint32_t kDeviceMessage = 0xC123;

// A notification as the engine posts it: code in the high word of wParam, value in the low.
std::uintptr_t WParam(std::uint16_t code, std::uint16_t value = 0)
{
    return (std::uintptr_t{code} << 16) | value;
}

class MainFrame : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureQApplication(); }

    void SetUp() override
    {
        ASSERT_TRUE(frame_.Create());
        frame_.GetStatusBar()->SetLockKeyProbe({});
        frame_.SetDeviceMessage(kDeviceMessage);
        frame_.SetDeviceMessageSink([this](std::uintptr_t wParam) { forwarded_.push_back(wParam); });
        progress_.Begin(device::OpRead, 0);
        frame_.setCentralWidget(new QWidget);
        frame_.FitClientTo(QSize(500, 300));
        frame_.show();
    }

    // The operation follows a notification, then the frame shows where it stands.
    void Notify(std::uint16_t code, std::uint16_t value = 0)
    {
        const device::DeviceNotification notification{static_cast<device::DeviceNotify>(code), value};
        progress_.Follow(notification);
        frame_.ShowDeviceProgress(notification.code, progress_);
    }

    QString PaneText() const { return frame_.GetStatusBar()->GetPaneText(0); }
    int VisibleBars() const
    {
        int count = 0;
        for (QProgressBar* bar : frame_.GetStatusBar()->findChildren<QProgressBar*>())
            count += !bar->isHidden();
        return count;
    }

    CMainFrame frame_;
    operation::OperationProgress progress_;
    std::vector<std::uintptr_t> forwarded_;
};

}  // namespace

TEST_F(MainFrame, ThreeByteReadShowsItsProgressThenReady)
{
    EXPECT_EQ(PaneText(), "Ready");
    QStringList texts;
    Notify(0);
    EXPECT_EQ(PaneText(), "Waking the device");
    Notify(2);
    EXPECT_EQ(PaneText(), "Ready");
    Notify(3, 3);
    texts << PaneText();
    EXPECT_EQ(VisibleBars(), 1);
    for (int i = 0; i < 3; ++i) {
        Notify(4, static_cast<std::uint16_t>(i));
        texts << PaneText();
        ASSERT_NE(frame_.GetProgressBar(), nullptr);
        EXPECT_EQ(frame_.GetProgressBar()->Bar()->value(), i + 1);
        // The bar sits after the text it shows.
        EXPECT_GT(frame_.GetProgressBar()->Bar()->x(),
                  frame_.GetStatusBar()->GetItemRect(0).left +
                      frame_.GetStatusBar()->fontMetrics().horizontalAdvance(PaneText()));
    }
    EXPECT_EQ(texts, (QStringList{"Progress", "Reading 33 %", "Reading 66 %", "Reading 100 %"}));
    Notify(5);
    EXPECT_EQ(PaneText(), "Ready");
    EXPECT_EQ(VisibleBars(), 0);
    EXPECT_EQ(frame_.GetProgressBar(), nullptr);
    Notify(1);  // finds no bar
    EXPECT_EQ(PaneText(), "Ready");
}

TEST_F(MainFrame, OtherCodesLeaveTheStatusBarAlone)
{
    Notify(3, 200);
    Notify(4);
    const QString text = PaneText();
    EXPECT_EQ(text, "Reading 0 %");
    for (std::uint16_t code : {0, 2, 6, 0xFFFF})
        Notify(code, 7);
    EXPECT_EQ(PaneText(), text);
    EXPECT_EQ(VisibleBars(), 1);
    EXPECT_EQ(frame_.GetProgressBar()->Bar()->value(), 1);

    // A failed operation ends with code 1 alone.
    Notify(1, 2);
    EXPECT_EQ(VisibleBars(), 0);
    EXPECT_EQ(PaneText(), "Ready");
}

TEST_F(MainFrame, StrayStepsAndEmptyTransfersAreHarmless)
{
    Notify(4);  // no bar yet
    EXPECT_EQ(PaneText(), "Ready");
    Notify(3, 0);
    Notify(4);  // no division by a zero total
    EXPECT_EQ(PaneText(), "Reading 100 %");
    Notify(3, 4);  // a new transfer replaces the old bar
    EXPECT_EQ(VisibleBars(), 1);
    EXPECT_EQ(PaneText(), "Progress");
}

TEST_F(MainFrame, PostedMessagesArriveInOrderOnTheUiThread)
{
    QCoreApplication::postEvent(&frame_, new WindowMessageEvent(kDeviceMessage, WParam(3, 2), 0));
    QCoreApplication::postEvent(&frame_,
                                new WindowMessageEvent(kDeviceMessage + 1, WParam(0), 0));  // not ours
    QCoreApplication::postEvent(&frame_, new WindowMessageEvent(kDeviceMessage, WParam(4), 0));
    QCoreApplication::postEvent(&frame_, new WindowMessageEvent(kDeviceMessage, WParam(4), 0));
    EXPECT_TRUE(forwarded_.empty()) << "posting must not deliver at once";
    QApplication::processEvents();
    EXPECT_EQ(forwarded_, (std::vector<std::uintptr_t>{0x30002, 0x40000, 0x40000}));
}

TEST_F(MainFrame, ResizableWindowWithCaptionAndModifiedMark)
{
    EXPECT_TRUE(frame_.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frame_.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_NE(frame_.minimumSize(), frame_.maximumSize());
    EXPECT_EQ(frame_.centralWidget()->size(), QSize(500, 300));
    // The client never shrinks below its fit; a later fit keeps a window the user enlarged.
    frame_.resize(frame_.size() - QSize(100, 100));
    QApplication::processEvents();
    EXPECT_EQ(frame_.centralWidget()->size(), QSize(500, 300));
    frame_.resize(frame_.size() + QSize(120, 80));
    QApplication::processEvents();
    EXPECT_EQ(frame_.centralWidget()->size(), QSize(620, 380));
    frame_.FitClientTo(QSize(500, 300));
    QApplication::processEvents();
    EXPECT_EQ(frame_.centralWidget()->size(), QSize(620, 380));

    frame_.UpdateFrameTitle("No file");
    EXPECT_EQ(frame_.windowTitle(), "Probex - No file[*]");
    frame_.UpdateFrameTitle("dump.bin");
    EXPECT_EQ(frame_.windowTitle(), "Probex - dump.bin[*]");

    // Hiding the bars keeps the window's size.
    const QSize size = frame_.size();
    frame_.ExecuteCommand(res::ID_VIEW_TOOLBAR);
    frame_.ExecuteCommand(res::ID_VIEW_STATUS_BAR);
    QApplication::processEvents();
    EXPECT_EQ(frame_.size(), size);
    EXPECT_FALSE(frame_.GetToolBar()->isVisible());
    EXPECT_FALSE(frame_.GetStatusBar()->isVisible());
    EXPECT_FALSE(frame_.GetAction(res::ID_VIEW_TOOLBAR)->isChecked());
    frame_.GetAction(res::ID_VIEW_STATUS_BAR)->trigger();
    EXPECT_TRUE(frame_.GetStatusBar()->isVisible());
    EXPECT_TRUE(frame_.GetAction(res::ID_VIEW_STATUS_BAR)->isChecked());
}

TEST_F(MainFrame, MenusToolbarAndKeys)
{
    QStringList titles;
    std::vector<QStringList> items;
    for (QAction* menu : frame_.menuBar()->actions()) {
        titles << menu->text();
        QStringList texts;
        for (QAction* item : menu->menu()->actions())
            texts << (item->isSeparator() ? QString("-") : item->text());
        items.push_back(texts);
    }
    EXPECT_EQ(titles, (QStringList{"&Фаил", "&Правка", "&Вид", "&Инфо"}));
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0], (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
                                     "Restore from &backup...", "Compare with &file...", "-", "E&xit"}));
    EXPECT_EQ(items[1], (QStringList{"&Отменить\tCtrl+Z", "&Повторить\tCtrl+Y", "-", "&Копировать\tCtrl+C",
                                     "Вст&авить\tCtrl+V", "Выделить &всё\tCtrl+A", "-", "&Найти...\tCtrl+F",
                                     "Найти &далее\tF3", "Пере&йти к адресу...\tCtrl+G"}));
    EXPECT_EQ(items[2], (QStringList{"&Панель", "&Статус", "-", "&Проверять запись",
                                     "Писать только &изменённые", "&Резервная копия перед записью",
                                     "Посылать &кадры целиком", "-", "&Журнал соединений"}));
#ifdef _WIN32
    EXPECT_EQ(items[3], (QStringList{"&Check adapter ...", "&О читалке..."}));
#else
    EXPECT_EQ(items[3], (QStringList{"&Check adapter ...", "&Start simulator", "&О читалке..."}));
#endif

    std::vector<QAction*> buttons;
    for (QAction* action : frame_.GetToolBar()->actions())
        buttons.push_back(action);
    ASSERT_EQ(buttons.size(), 5u);
    EXPECT_EQ(buttons[0], frame_.GetAction(res::ID_FILE_NEW));
    EXPECT_EQ(buttons[1], frame_.GetAction(res::ID_FILE_OPEN));
    EXPECT_EQ(buttons[2], frame_.GetAction(res::ID_FILE_SAVE));
    EXPECT_TRUE(buttons[3]->isSeparator());
    EXPECT_EQ(buttons[4], frame_.GetAction(res::ID_APP_ABOUT));
    EXPECT_EQ(frame_.GetToolBar()->iconSize(), QSize(16, 15));
    for (QAction* action : {buttons[0], buttons[1], buttons[2], buttons[4]})
        EXPECT_FALSE(action->icon().isNull());

    EXPECT_EQ(frame_.GetAction(res::ID_FILE_NEW)->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(frame_.GetAction(res::ID_FILE_OPEN)->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(frame_.GetAction(res::ID_FILE_SAVE)->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(frame_.GetAction(res::ID_FILE_NEW)->toolTip(), "New");
    EXPECT_EQ(frame_.GetAction(res::ID_APP_EXIT)->statusTip(),
              "Quit the application; prompts to save documents");
    // Nothing on the frame takes the editor's copy and paste keys.
    for (QAction* action : frame_.findChildren<QAction*>()) {
        for (const char* key : {"Ctrl+C", "Ctrl+V", "Ctrl+X", "Ctrl+Z", "Ctrl+Y", "Shift+Ins"})
            EXPECT_FALSE(action->shortcuts().contains(QKeySequence(key))) << key;
    }
}

TEST_F(MainFrame, CommandsGoDownTheRouteAndPromptsToTheStatusBar)
{
    std::vector<res::ResourceId> routed;
    frame_.SetCommandRoute([&](res::ResourceId command) {
        routed.push_back(command);
        return command != res::ID_VIEW_TOOLBAR;
    });
    frame_.GetAction(res::ID_FILE_NEW)->trigger();
    frame_.GetAction(res::ID_APP_ABOUT)->trigger();
    frame_.GetAction(res::ID_VIEW_TOOLBAR)->trigger();  // not taken by the route: the frame serves it
    EXPECT_EQ(routed,
              (std::vector<res::ResourceId>{res::ID_FILE_NEW, res::ID_APP_ABOUT, res::ID_VIEW_TOOLBAR}));
    EXPECT_FALSE(frame_.GetToolBar()->isVisible());

    QStatusTipEvent tip(frame_.GetAction(res::ID_FILE_OPEN)->statusTip());
    QApplication::sendEvent(&frame_, &tip);
    EXPECT_EQ(PaneText(), "Open an existing dump");
    QStatusTipEvent none(QString{});
    QApplication::sendEvent(&frame_, &none);
    EXPECT_EQ(PaneText(), "Ready");
}

TEST_F(MainFrame, CloseQueryCanKeepTheWindowOpen)
{
    bool allow = false;
    int asked = 0;
    frame_.SetCloseQuery([&] {
        ++asked;
        return allow;
    });
    frame_.ExecuteCommand(res::ID_APP_EXIT);
    EXPECT_TRUE(frame_.isVisible());
    allow = true;
    frame_.close();
    EXPECT_FALSE(frame_.isVisible());
    EXPECT_EQ(asked, 2);
}

TEST_F(MainFrame, OutcomeStaysBehindPassingPromptsUntilCleared)
{
    const QString outcome = "Verify: 220 bytes differ: 00, 01, 02 (4.1 s)";
    frame_.ShowOutcome(outcome);
    EXPECT_EQ(PaneText(), outcome);
    // A hover over a toolbar button or a menu item shows its prompt for as long as it lasts.
    QStatusTipEvent tip(frame_.GetAction(res::ID_FILE_OPEN)->statusTip());
    QApplication::sendEvent(&frame_, &tip);
    EXPECT_EQ(PaneText(), "Open an existing dump");
    QStatusTipEvent none(QString{});
    QApplication::sendEvent(&frame_, &none);
    EXPECT_EQ(PaneText(), outcome);
    // A note on the last action goes in front of it until the next key or click, however late.
    auto* edit = new QLineEdit(&frame_);
    frame_.setCentralWidget(edit);
    QApplication::setActiveWindow(&frame_);
    edit->setFocus();
    frame_.ShowNote("Not found");
    QApplication::processEvents();
    EXPECT_EQ(PaneText(), "Not found");
    QApplication::sendEvent(&frame_, &tip);
    QApplication::sendEvent(&frame_, &none);
    EXPECT_EQ(PaneText(), "Not found") << "a passing prompt leaves it";
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(PaneText(), outcome);
    // The next operation starts with the idle text.
    frame_.ShowOutcome({});
    EXPECT_EQ(PaneText(), "Ready");
}

TEST_F(MainFrame, LongStatusTextWrapsThenIsCutWithTheWholeTextAsToolTip)
{
    CStatusBar* bar = frame_.GetStatusBar();
    const auto settle = [this] {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
            frame_.layout()->activate();
        }
    };
    const QPoint inPane(bar->GetItemRect(0).left + 10, bar->height() / 2);
    frame_.ShowOutcome("Read 256 bytes in 2.9 s");
    settle();
    const int oneLine = bar->height();
    EXPECT_EQ(bar->MessageLineCount(), 1);
    const QString twice = QString("Bytes 00 - 7F were written, 80 - FF were not. ").repeated(2);
    ASSERT_GT(bar->fontMetrics().horizontalAdvance(twice),
              bar->GetItemRect(0).right - bar->GetItemRect(0).left);
    frame_.ShowOutcome(twice);
    settle();
    EXPECT_GT(bar->MessageLineCount(), 1);
    EXPECT_EQ(bar->height(), oneLine + (bar->MessageLineCount() - 1) * bar->fontMetrics().height())
        << "the bar grows by the lines the text needs";
    EXPECT_EQ(bar->ToolTipAt(inPane), QString()) << "nothing was cut";
    const QString longText = QString("Bytes 00 - 7F were written, 80 - FF were not. ").repeated(12);
    frame_.ShowOutcome(longText);
    settle();
    EXPECT_EQ(bar->MessageLineCount(), CStatusBar::kMaxMessageLines);
    EXPECT_EQ(bar->ToolTipAt(inPane), longText);
    EXPECT_EQ(bar->ToolTipAt(QPoint(bar->GetItemRect(1).left + 2, bar->height() / 2)), QString())
        << "only the message pane has the tip";
}

// Esc out of a menu leaves the menu bar holding the keyboard; the focused control's own Ctrl keys
// still reach it at once.
TEST_F(MainFrame, CtrlKeysReachTheFocusedControlAfterEscLeftAMenu)
{
    auto* edit = new QLineEdit(&frame_);
    frame_.setCentralWidget(edit);
    frame_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame_));
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, "ab");
    QMenuBar* bar = frame_.menuBar();
    QMenu* editMenu = bar->actions().at(1)->menu();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().at(1)).center());
    ASSERT_TRUE(editMenu->isVisible());
    QTest::keyClick(editMenu, Qt::Key_Escape);
    ASSERT_FALSE(editMenu->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "") << "the typing was undone";
    EXPECT_EQ(QApplication::focusWidget(), edit);
}

TEST_F(MainFrame, MenuItemsAreEnabledAsTheirCommandsCanRunWhenTheMenuDropsDown)
{
    std::map<res::ResourceId, bool> canRun{{res::ID_EDIT_COPY, false}, {res::ID_EDIT_PASTE, true}};
    frame_.SetCommandState([&](res::ResourceId command) -> std::optional<bool> {
        const auto it = canRun.find(command);
        return it == canRun.end() ? std::nullopt : std::optional<bool>(it->second);
    });
    QMenu* edit = frame_.menuBar()->actions()[1]->menu();
    frame_.GetAction(res::ID_APP_EXIT)->setEnabled(true);
    emit edit->aboutToShow();
    EXPECT_FALSE(frame_.GetAction(res::ID_EDIT_COPY)->isEnabled());
    EXPECT_TRUE(frame_.GetAction(res::ID_EDIT_PASTE)->isEnabled());
    EXPECT_TRUE(frame_.GetAction(res::ID_EDIT_FIND)->isEnabled()) << "no answer leaves an item as it is";
    canRun[res::ID_EDIT_COPY] = true;
    canRun[res::ID_EDIT_PASTE] = false;
    emit edit->aboutToShow();
    EXPECT_TRUE(frame_.GetAction(res::ID_EDIT_COPY)->isEnabled());
    EXPECT_FALSE(frame_.GetAction(res::ID_EDIT_PASTE)->isEnabled());
}
