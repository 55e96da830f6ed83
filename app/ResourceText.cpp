// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ResourceText.h"

#include "res/StringTable.h"

namespace app {

QString LoadText(res::ResourceId id)
{
    return QString::fromStdString(res::LoadString(id));
}

MessageAnswer ShowMessage(res::ResourceId textId, MessageButtons buttons, MessageIcon icon)
{
    return Prompts().ShowMessage(LoadText(textId), buttons, icon);
}

}  // namespace app
