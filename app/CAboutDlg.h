// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box, laid out from dialog 100.
#include <QDialog>

namespace app {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    int DoModal() { return exec(); }
};

}  // namespace app
