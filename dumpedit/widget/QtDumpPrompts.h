// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dumpedit/widget/DumpPrompts.h"

namespace dumpedit {

// The editor's questions as modal input dialogs.
class CQtDumpPrompts : public IDumpPrompts {
public:
    static CQtDumpPrompts& Instance();
    std::optional<QString> AskText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& initial) override;
};

}  // namespace dumpedit
