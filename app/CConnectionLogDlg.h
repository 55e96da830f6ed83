// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QTimer>

#include <cstdint>

class QPlainTextEdit;

namespace app {

class ConnectionLog;

// The trace of the last connections, with Copy and Save. Not modal: it follows the log while a
// connection runs.
class CConnectionLogDlg : public QDialog {
    Q_OBJECT

public:
    CConnectionLogDlg(const ConnectionLog& log, QWidget* parent);

    // Shows the log's text if it changed since it was last shown.
    void Refresh();
    void CopyToClipboard();
    void SaveToFile();

    QPlainTextEdit* TextView() const { return text_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const ConnectionLog& log_;
    QPlainTextEdit* text_;
    QTimer poll_;
    std::uint64_t shownVersion_ = ~std::uint64_t(0);
};

}  // namespace app
