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
#include <QVBoxLayout>

#include "app/ConnectionLog.h"
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
    text_->setPlainText(QString::fromStdString(log_.Text()));
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

void CConnectionLogDlg::CopyToClipboard()
{
    QGuiApplication::clipboard()->setText(text_->toPlainText());
}

void CConnectionLogDlg::SaveToFile()
{
    const auto path =
        Prompts().AskSaveFileName(LoadText(res::IDS_SAVE_AS_TITLE), LoadText(res::IDS_ALL_FILES_FILTER),
                                  QStringLiteral("probex-connections.log"));
    if (!path)
        return;
    QSaveFile file(*path);
    const QByteArray bytes = text_->toPlainText().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        Prompts().ShowMessage(LoadText(res::IDS_FAILED_TO_SAVE_DOC) + '\n' +
                                  LoadText(res::IDS_FILE_SAVE_REASON).arg(*path, file.errorString()),
                              MessageButtons::Ok, MessageIcon::Exclamation);
    }
}

}  // namespace app
