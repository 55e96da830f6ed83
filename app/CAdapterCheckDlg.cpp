// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CAdapterCheckDlg.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ResourceText.h"
#include "operation/AdapterCheckRun.h"
#include "res/ResourceIds.h"

namespace app {

CAdapterCheckDlg::CAdapterCheckDlg(QWidget* parent) : QDialog(parent), text_(new QPlainTextEdit(this))
{
    setWindowTitle(LoadText(res::IDS_ADAPTER_CHECK_TITLE));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    copy_ = buttons->addButton(LoadText(res::IDS_COPY_BUTTON), QDialogButtonBox::ActionRole);
    copy_->setEnabled(false);
    connect(copy_, &QPushButton::clicked, this, &CAdapterCheckDlg::CopyToClipboard);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(620, 300);
}

CAdapterCheckDlg::~CAdapterCheckDlg()
{
    stop_.Raise();
    if (worker_.joinable())
        worker_.join();
}

void CAdapterCheckDlg::Start(const QString& portName)
{
    if (worker_.joinable())
        return;  // one check a dialog
    text_->setPlainText(LoadText(res::IDS_ADAPTER_CHECKING).arg(portName));
    const std::string port = portName.toStdString();
    const platform::StopHandle stopFd = stop_.Fd();
    worker_ = std::thread([this, port, stopFd] {
        const QString report = QString::fromStdString(operation::RunAdapterCheck(port, stopFd).report);
        // Handed to the dialog's own thread; a dialog being destroyed waits for this thread
        // first, and the queued call dies with it.
        QMetaObject::invokeMethod(
            this, [this, report] { ShowReport(report); }, Qt::QueuedConnection);
    });
}

void CAdapterCheckDlg::ShowReport(const QString& report)
{
    done_ = true;
    text_->setPlainText(report);
    copy_->setEnabled(true);
    emit reportShown(report);
}

void CAdapterCheckDlg::CopyToClipboard()
{
    QGuiApplication::clipboard()->setText(text_->toPlainText());
}

}  // namespace app
