// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CConnectionLogDlg.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "app/ResourceText.h"
#include "app/docview/CPrompts.h"
#include "res/ResourceIds.h"

namespace app {

namespace {

// The worker adds lines from its own thread; the window looks for them this often while shown.
constexpr int kPollMs = 100;

}  // namespace

CConnectionLogDlg::CConnectionLogDlg(const ConnectionLog& log, QWidget* parent)
    : QDialog(parent), log_(log), text_(new QPlainTextEdit(this))
{
    setWindowTitle(LoadText(res::IDS_CONNECTION_LOG_TITLE));
    text_->setReadOnly(true);
    // An undo history of every append would keep a second copy of all that was ever shown.
    text_->setUndoRedoEnabled(false);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(LoadText(res::IDS_COPY_BUTTON), QDialogButtonBox::ActionRole);
    QPushButton* save = buttons->addButton(LoadText(res::IDS_SAVE_BUTTON), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this, &CConnectionLogDlg::CopyToClipboard);
    connect(save, &QPushButton::clicked, this, &CConnectionLogDlg::SaveToFile);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(640, 420);
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &CConnectionLogDlg::Refresh);
}

void CConnectionLogDlg::showEvent(QShowEvent* event)
{
    Refresh();
    poll_.start();
    QDialog::showEvent(event);
}

void CConnectionLogDlg::Refresh()
{
    if (!isVisible())
        poll_.stop();
    const std::uint64_t version = log_.Version();
    if (version == shownVersion_)
        return;
    shownVersion_ = version;
    const std::vector<ConnectionLog::Lines> runs = log_.LinesAfter(seen_, kShownLines);
    if (runs.empty())
        return;
    Append(runs);
    DropOldestLines();
}

void CConnectionLogDlg::Append(const std::vector<ConnectionLog::Lines>& runs)
{
    std::size_t incoming = 0;
    for (const ConnectionLog::Lines& run : runs)
        incoming += run.count;
    // All that is shown would go: dropped at once rather than line by line.
    if (incoming >= std::size_t(kShownLines)) {
        text_->clear();
        shownConnections_.clear();
        lastShownConnection_ = 0;
        shownLines_ = 0;
    }
    std::string batch;
    for (const ConnectionLog::Lines& run : runs) {
        if (run.connection != lastShownConnection_) {
            if (!shownConnections_.empty() || !batch.empty()) {
                batch += '\n';
                ++shownLines_;
            }
            shownConnections_.push_back(0);
            lastShownConnection_ = run.connection;
        }
        batch += run.text;
        shownConnections_.back() += int(run.count);
        shownLines_ += int(run.count);
    }
    // appendPlainText starts a line of its own.
    batch.pop_back();
    QScrollBar* scroll = text_->verticalScrollBar();
    const bool following = scroll->value() == scroll->maximum();
    text_->appendPlainText(QString::fromStdString(batch));
    // One who scrolled back to read stays where they are.
    if (following)
        scroll->setValue(scroll->maximum());
}

void CConnectionLogDlg::DropOldestLines()
{
    // Line by line from the top, so the connection that just ended stays while the next begins;
    // a connection gone whole takes the blank line after it along.
    int excess = shownLines_ - kShownLines;
    int remove = 0;
    while (excess > 0) {
        int& oldest = shownConnections_.front();
        if (shownConnections_.size() > 1 && excess >= oldest) {
            remove += oldest + 1;
            excess -= oldest + 1;
            shownConnections_.pop_front();
        } else {
            remove += excess;
            oldest -= excess;
            excess = 0;
        }
    }
    if (remove > 0) {
        RemoveTopLines(remove);
        shownLines_ -= remove;
    }
}

void CConnectionLogDlg::RemoveTopLines(int count)
{
    // Selected by position: moving block by block would lay out every block passed.
    QTextDocument* document = text_->document();
    QTextCursor cursor(document);
    cursor.setPosition(document->findBlockByNumber(count).position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void CConnectionLogDlg::CopyToClipboard()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(log_.Text()));
}

void CConnectionLogDlg::SaveToFile()
{
    const auto path =
        Prompts().AskSaveFileName(LoadText(res::IDS_SAVE_AS_TITLE), LoadText(res::IDS_ALL_FILES_FILTER),
                                  QStringLiteral("probex-connections.log"));
    if (!path)
        return;
    QSaveFile file(*path);
    const std::string text = log_.Text();
    const QByteArray bytes(text.data(), qsizetype(text.size()));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        Prompts().ShowMessage(LoadText(res::IDS_FAILED_TO_SAVE_DOC) + '\n' +
                                  LoadText(res::IDS_FILE_SAVE_REASON).arg(*path, file.errorString()),
                              MessageButtons::Ok, MessageIcon::Exclamation);
    }
}

}  // namespace app
