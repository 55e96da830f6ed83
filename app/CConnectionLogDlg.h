// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QTimer>

#include <cstdint>
#include <deque>

#include "app/ConnectionLog.h"

class QPlainTextEdit;

namespace app {

// The trace of the last connections, with Copy and Save. Not modal: it follows the log while a
// connection runs, appending only what is new, so a poll costs the same whatever the log holds.
class CConnectionLogDlg : public QDialog {
    Q_OBJECT

public:
    // Shown at most: the oldest lines, so the oldest connections, leave the screen first. Copy
    // and Save give all the log keeps.
    static constexpr int kShownLines = 20000;

    CConnectionLogDlg(const ConnectionLog& log, QWidget* parent);

    // Appends the lines the log gained since it last looked.
    void Refresh();
    void CopyToClipboard();
    void SaveToFile();

    QPlainTextEdit* TextView() const { return text_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Append(const std::vector<ConnectionLog::Lines>& runs);
    void DropOldestLines();
    void RemoveTopLines(int count);

    const ConnectionLog& log_;
    QPlainTextEdit* text_;
    QTimer poll_;
    std::uint64_t shownVersion_ = ~std::uint64_t(0);
    ConnectionLog::Position seen_;
    // Lines on screen per connection, oldest first; a blank line stands between two.
    std::deque<int> shownConnections_;
    std::uint64_t lastShownConnection_ = 0;
    int shownLines_ = 0;  // blank lines included
};

}  // namespace app
