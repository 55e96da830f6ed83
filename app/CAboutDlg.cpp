// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CAboutDlg.h"

#include <QPushButton>

#include "app/ControlId.h"
#include "app/DialogBuilder.h"
#include "res/FormIds.h"
#include "res/StringTable.h"

namespace app {

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    const res::DialogTemplate& dialog = res::AboutTemplate();
    setWindowTitle(QString::fromStdString(res::Localize(dialog.caption)));
    CreateDialogControls(this, dialog);
    setFixedSize(DialogPixelSize(dialog, font()));
    if (auto* ok = FindControl<QPushButton>(this, res::IDOK)) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        ok->setFocus();
    }
}

}  // namespace app
