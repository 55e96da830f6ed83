#include "app/docview/CPrompts.h"

#include "app/docview/CQtPrompts.h"
#include "res/StringTable.h"

namespace app {

namespace {

CPrompts* installedPrompts = nullptr;

}  // namespace

CPrompts& Prompts()
{
    static CQtPrompts qtPrompts;
    return installedPrompts ? *installedPrompts : qtPrompts;
}

CPrompts* InstallPrompts(CPrompts* prompts)
{
    CPrompts* previous = installedPrompts;
    installedPrompts = prompts;
    return previous;
}

QString LoadText(res::ResourceId id)
{
    return QString::fromStdString(res::LoadString(id));
}

MessageAnswer ShowMessage(res::ResourceId textId, MessageButtons buttons, MessageIcon icon)
{
    return Prompts().ShowMessage(LoadText(textId), buttons, icon);
}

}  // namespace app
