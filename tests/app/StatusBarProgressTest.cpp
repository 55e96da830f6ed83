// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <filesystem>
#include <fstream>

#include "app/CStatusBar.h"
#include "app/CStatusBarProgress.h"
#include "app/ControlId.h"
#include "app/ProgressPlacement.h"
#include "res/FormIds.h"
#include "res/FrameResources.h"
#include "tests/app/support/QtTestApplication.h"

using namespace app;

TEST(ProgressPlacement, BarFollowsTheTextWithMargins)
{
    const PaneRect pane{2, 2, 402, 22};
    // Text 50 wide, space 4: the bar starts 16 pixels after the text, 2 free above and below.
    EXPECT_EQ(ProgressBarRect(pane, 50, 4, true, 100), (PaneRect{68, 4, 402, 20}));
    // Without text the bar starts at the pane's edge, whatever the measured width.
    EXPECT_EQ(ProgressBarRect(pane, 50, 4, false, 100), (PaneRect{2, 4, 402, 20}));
    // Half of the width left after the text, rounding toward the text.
    EXPECT_EQ(ProgressBarRect(pane, 50, 4, true, 50), (PaneRect{68, 4, 235, 20}));
    // A text wider than the pane leaves a bar of no width.
    const PaneRect squeezed = ProgressBarRect(pane, 500, 4, true, 100);
    EXPECT_EQ(squeezed.left, 518);
    EXPECT_EQ(squeezed.right, 518);
    EXPECT_EQ(ProgressBarRect(pane, 500, 4, true, 50).right, 518);
    // Pane of 9 pixels: a tenth truncates to nothing.
    EXPECT_EQ(ProgressBarRect({0, 0, 100, 9}, 0, 4, false, 100), (PaneRect{0, 0, 100, 9}));
}

namespace {

class MoveCounter : public QObject {
public:
    int moves = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            ++moves;
        return false;
    }
};

class StatusBarProgress : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureQApplication(); }

    void SetUp() override
    {
        statusBar_ = new CStatusBar(&window_);
        SetControlId(statusBar_, res::ID_VIEW_STATUS_BAR);
        statusBar_->SetLockKeyProbe({});
        statusBar_->SetIdleText("Ready");
        ASSERT_TRUE(statusBar_->SetIndicators(res::StatusIndicators()));
        window_.setStatusBar(statusBar_);
        window_.resize(600, 200);
        window_.show();
    }

    PaneRect Expected(const QString& text, int percent = 100, int pane = 0) const
    {
        const QFontMetrics metrics(statusBar_->font());
        return ProgressBarRect(statusBar_->GetItemRect(pane), metrics.horizontalAdvance(text),
                               metrics.horizontalAdvance(' '), !text.isEmpty(), percent);
    }
    static PaneRect Placed(const QWidget* bar)
    {
        const QRect g = bar->geometry();
        return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    }

    QMainWindow window_;
    CStatusBar* statusBar_ = nullptr;
};

}  // namespace

TEST_F(StatusBarProgress, PlacesItselfAfterTheTextAndStepsAlong)
{
    CStatusBarProgress progress(&window_, "Ready", "Progress", 100, 3, true, 0);
    ASSERT_NE(progress.Bar(), nullptr);
    EXPECT_EQ(statusBar_->GetPaneText(0), "Progress");
    EXPECT_EQ(Placed(progress.Bar()), Expected("Progress"));
    EXPECT_EQ(progress.BarRect(), Expected("Progress"));
    EXPECT_EQ(progress.Bar()->maximum(), 3);

    EXPECT_EQ(progress.StepIt(), 0);
    EXPECT_EQ(progress.StepIt(), 1);
    EXPECT_EQ(progress.Bar()->value(), 2);

    progress.SetText("66% complete");
    EXPECT_EQ(statusBar_->GetPaneText(0), "66% complete");
    EXPECT_EQ(Placed(progress.Bar()), Expected("66% complete"));

    // A hidden bar comes back when stepped.
    progress.Bar()->hide();
    progress.StepIt();
    EXPECT_FALSE(progress.Bar()->isHidden());
    EXPECT_EQ(progress.StepIt(), 3) << "the position stays within the range";
    EXPECT_EQ(progress.Bar()->value(), 3);
}

TEST_F(StatusBarProgress, EmptyMessageAndPartialWidth)
{
    CStatusBarProgress progress(&window_, "Ready", "", 50, 10, false, 0);
    EXPECT_EQ(progress.BarRect(), Expected("", 50));
    EXPECT_EQ(progress.BarRect().left, statusBar_->GetItemRect(0).left);
    EXPECT_FALSE(progress.IsSmooth());
}

TEST_F(StatusBarProgress, MovesOnlyWhenThePaneChanges)
{
    CStatusBarProgress progress(&window_, "Ready", "Progress", 100, 3, true, 0);
    MoveCounter counter;
    progress.Bar()->installEventFilter(&counter);
    EXPECT_TRUE(progress.Resize());
    progress.SetText("Progress");
    EXPECT_EQ(counter.moves, 0);

    window_.resize(800, 200);
    QApplication::processEvents();
    EXPECT_GT(counter.moves, 0);
    EXPECT_EQ(Placed(progress.Bar()), Expected("Progress"));
}

TEST_F(StatusBarProgress, ClearPutsTheIdleOrSavedTextBack)
{
    {
        CStatusBarProgress progress(&window_, "Ready", "Progress", 100, 3, true, 0);
        EXPECT_EQ(statusBar_->GetPaneText(0), "Progress");
    }
    EXPECT_EQ(statusBar_->GetPaneText(0), "Ready");
    EXPECT_TRUE(statusBar_->findChildren<QProgressBar*>().isEmpty());

    statusBar_->SetPaneText(1, "before");
    {
        CStatusBarProgress progress(&window_, "Ready", "busy", 100, 3, true, 1);
        EXPECT_EQ(statusBar_->GetPaneText(1), "busy");
        progress.Clear();
        EXPECT_TRUE(progress.Bar()->isHidden());
        EXPECT_EQ(statusBar_->GetPaneText(1), "before");
    }
}

TEST_F(StatusBarProgress, WithoutAStatusBarNothingHappens)
{
    QWidget bare;
    CStatusBarProgress progress(&bare, "Ready", "Progress", 100, 3, true, 0);
    EXPECT_EQ(progress.Bar(), nullptr);
    EXPECT_FALSE(progress.Resize());
    EXPECT_FALSE(progress.SetRange(0, 5, 1));
    EXPECT_EQ(progress.SetStep(2), 0);
    EXPECT_EQ(progress.StepIt(), 0);
    progress.Clear();

    CStatusBarProgress orphan(nullptr, "Ready");
    EXPECT_FALSE(orphan.Create("x", 100, 3, true, 0));
}

TEST_F(StatusBarProgress, IndicatorsFollowTheLockKeys)
{
    bool caps = true;
    statusBar_->SetLockKeyProbe([&](LockKey key) { return key == LockKey::Caps && caps; });
    ASSERT_EQ(statusBar_->GetCount(), 4);
    EXPECT_EQ(statusBar_->GetPaneText(1), "CAP");
    EXPECT_EQ(statusBar_->GetPaneText(2), "NUM");
    EXPECT_EQ(statusBar_->GetPaneText(3), "SCRL");
    EXPECT_TRUE(statusBar_->IsIndicatorOn(1));
    EXPECT_FALSE(statusBar_->IsIndicatorOn(2));
    caps = false;
    statusBar_->UpdateIndicators();
    EXPECT_FALSE(statusBar_->IsIndicatorOn(1));

    // Panes do not overlap and the message pane comes first.
    for (int i = 1; i < statusBar_->GetCount(); ++i)
        EXPECT_LT(statusBar_->GetItemRect(i - 1).right, statusBar_->GetItemRect(i).left);
}

TEST(LockKeyLeds, ReadsTheBrightnessOfTheMatchingLed)
{
    const auto folder =
        std::filesystem::temp_directory_path() / ("probex-leds-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "input3::capslock");
    std::filesystem::create_directories(folder / "input3::numlock");
    std::ofstream(folder / "input3::capslock" / "brightness") << "1\n";
    std::ofstream(folder / "input3::numlock" / "brightness") << "0\n";
    EXPECT_TRUE(ReadLockKeyLed(LockKey::Caps, folder.string()));
    EXPECT_FALSE(ReadLockKeyLed(LockKey::Num, folder.string()));
    EXPECT_FALSE(ReadLockKeyLed(LockKey::Scroll, folder.string()));
    EXPECT_FALSE(ReadLockKeyLed(LockKey::Caps, (folder / "missing").string()));
    std::filesystem::remove_all(folder);
}
