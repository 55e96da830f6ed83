// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The adapter check of the chosen port, run on a thread of its own while the dialog shows that
// it runs, then its report with Copy.

#include <QDialog>
#include <QString>

#include <thread>

#include "platform/StopSignal.h"

class QPlainTextEdit;
class QPushButton;

namespace app {

class CAdapterCheckDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAdapterCheckDlg(QWidget* parent);
    // Stops a check under way and waits for it.
    ~CAdapterCheckDlg() override;

    // Starts the check of portName; the report replaces the waiting text when it is done.
    void Start(const QString& portName);
    bool Running() const { return worker_.joinable() && !done_; }
    void CopyToClipboard();

    QPlainTextEdit* TextView() const { return text_; }

signals:
    void reportShown(const QString& report);

private:
    void ShowReport(const QString& report);

    QPlainTextEdit* text_;
    QPushButton* copy_;
    platform::StopSignal stop_;
    std::thread worker_;
    bool done_ = false;
};

}  // namespace app
