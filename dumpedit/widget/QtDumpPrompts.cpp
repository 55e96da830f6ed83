// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/widget/QtDumpPrompts.h"

#include <QInputDialog>

namespace dumpedit {

CQtDumpPrompts& CQtDumpPrompts::Instance()
{
    static CQtDumpPrompts prompts;
    return prompts;
}

std::optional<QString> CQtDumpPrompts::AskText(QWidget* parent, const QString& title, const QString& label,
                                               const QString& initial)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return text;
}

}  // namespace dumpedit
