// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/docview/CPrompts.h"

namespace app {

// CPrompts on QMessageBox and QFileDialog, modal over the active window.
class CQtPrompts : public CPrompts {
public:
    MessageAnswer ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon) override;
    std::optional<QString> AskOpenFileName(const QString& title, const QString& filter,
                                           const QString& proposedName) override;
    std::optional<QString> AskSaveFileName(const QString& title, const QString& filter,
                                           const QString& proposedName) override;
};

}  // namespace app
