// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/widget/DumpEditClasses.h"

#include "dumpedit/widget/CDumpEdit.h"
#include "dumpedit/widget/WindowClassRegistry.h"

namespace dumpedit {

void RegisterDumpEditClasses()
{
    const auto create = [](QWidget* parent, quint32 style) -> QWidget* {
        return new CDumpEdit(parent, style);
    };
    CWindowClassRegistry& registry = CWindowClassRegistry::Instance();
    registry.Register(QStringLiteral("CDumpEdit"), create);
    registry.Register(QStringLiteral("CDumpEdit_SC"), create);
}

}  // namespace dumpedit
