// SPDX-License-Identifier: GPL-3.0-or-later
// The connection log window following the log: only what is new is appended, and the screen
// holds a bounded number of lines while Copy still gives all the log keeps.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>
#include <string>
#include <vector>

#include "app/CConnectionLogDlg.h"
#include "app/ConnectionLog.h"
#include "tests/app/support/QtTestApplication.h"

namespace {

using app::CConnectionLogDlg;
using app::ConnectionLog;

device::TraceBegin ReadIdOn(const std::string& port)
{
    device::TraceBegin begin;
    begin.portName = port;
    return begin;
}

void AddLines(ConnectionLog& log, int count, const std::string& prefix)
{
    for (int i = 0; i < count; ++i)
        log.TraceLine(prefix + std::to_string(i));
}

struct Change {
    int from, removed, added;
};

class ConnectionLogWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureQApplication();
        window_ = std::make_unique<CConnectionLogDlg>(log_, nullptr);
        window_->show();
        QObject::connect(View()->document(), &QTextDocument::contentsChange,
                         [this](int from, int removed, int added) {
                             changes_.push_back({from, removed, added});
                         });
    }

    QPlainTextEdit* View() { return window_->TextView(); }
    QString Shown() { return View()->toPlainText(); }
    QString LastLine() { return View()->document()->lastBlock().text(); }
    QString FirstLine() { return View()->document()->firstBlock().text(); }

    // Polls once; true when it only added text after what was shown and removed lines from the
    // top: what stays on screen is never set again.
    bool PollKeepsWhatStays()
    {
        const int end = View()->document()->characterCount() - 1;
        changes_.clear();
        window_->Refresh();
        bool kept = !changes_.empty();
        for (const Change& change : changes_) {
            const bool appended = change.removed == 0 && change.from >= end;
            const bool droppedFromTop = change.from == 0 && change.added == 0;
            kept = kept && (appended || droppedFromTop);
        }
        return kept;
    }

    ConnectionLog log_;
    std::unique_ptr<CConnectionLogDlg> window_;
    std::vector<Change> changes_;
};

TEST_F(ConnectionLogWindow, AppendsOnlyTheNewLinesOfARunningConnection)
{
    log_.ConnectionBegan(ReadIdOn("COM1"));
    AddLines(log_, 3, "line ");
    window_->Refresh();
    EXPECT_EQ(Shown().toStdString() + '\n', log_.Text());

    AddLines(log_, 200, "more ");
    EXPECT_TRUE(PollKeepsWhatStays());
    EXPECT_EQ(LastLine(), "more 199");
    log_.ConnectionEnded(device::TraceEnd{});
    log_.ConnectionBegan(ReadIdOn("COM2"));
    log_.TraceLine("next");
    EXPECT_TRUE(PollKeepsWhatStays());
    EXPECT_EQ(Shown().toStdString() + '\n', log_.Text()) << "a blank line between connections";

    changes_.clear();
    window_->Refresh();
    EXPECT_TRUE(changes_.empty()) << "nothing new, nothing done";
}

TEST_F(ConnectionLogWindow, TheOldestLinesLeaveTheScreenFirstWhileCopyGivesAll)
{
    // The screen holds the newest lines of the log's text, blank lines between connections
    // included; one less when the top one would be a blank line.
    const auto showsTheNewestLines = [this] {
        const QStringList all = QString::fromStdString(log_.Text()).split('\n');
        const QStringList shown = Shown().split('\n');
        EXPECT_GE(shown.size(), CConnectionLogDlg::kShownLines - 1);
        EXPECT_LE(shown.size(), CConnectionLogDlg::kShownLines);
        EXPECT_EQ(shown, all.mid(all.size() - 1 - shown.size(), shown.size()));
    };
    const int lines = CConnectionLogDlg::kShownLines * 2 / 5;
    for (int c = 1; c <= 3; ++c) {
        log_.ConnectionBegan(ReadIdOn("COM" + std::to_string(c)));
        AddLines(log_, lines, "line ");
        log_.ConnectionEnded(device::TraceEnd{});
        window_->Refresh();
    }
    showsTheNewestLines();
    EXPECT_EQ(FirstLine(), QString("line %1").arg(3 * (lines + 1) + 2 - CConnectionLogDlg::kShownLines - 1));
    // The rest of the first, and part of the second, go for the fourth.
    log_.ConnectionBegan(ReadIdOn("COM4"));
    AddLines(log_, lines, "line ");
    EXPECT_TRUE(PollKeepsWhatStays());
    showsTheNewestLines();
    window_->CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), log_.Text());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        QString::fromStdString(device::DescribeBegin(ReadIdOn("COM1")))));

    // A connection longer than the screen holds: its newest lines, whether they came in one
    // poll or in many.
    log_.ConnectionEnded(device::TraceEnd{});
    log_.ConnectionBegan(ReadIdOn("COM5"));
    AddLines(log_, CConnectionLogDlg::kShownLines + 500, "long ");
    window_->Refresh();
    EXPECT_EQ(View()->blockCount(), CConnectionLogDlg::kShownLines);
    EXPECT_EQ(LastLine(), QString("long %1").arg(CConnectionLogDlg::kShownLines + 499));
    AddLines(log_, 300, "longer ");
    window_->Refresh();
    EXPECT_EQ(View()->blockCount(), CConnectionLogDlg::kShownLines);
    EXPECT_EQ(LastLine(), "longer 299");
    EXPECT_EQ(FirstLine(), QString("long %1").arg(800));
}

}  // namespace
