// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/widget/WindowClassRegistry.h"

namespace dumpedit {

CWindowClassRegistry& CWindowClassRegistry::Instance()
{
    static CWindowClassRegistry registry;
    return registry;
}

bool CWindowClassRegistry::Register(const QString& className, const Creator& creator)
{
    if (creators_.contains(className)) {
        return false;
    }
    creators_.insert(className, creator);
    return true;
}

bool CWindowClassRegistry::IsRegistered(const QString& className) const
{
    return creators_.contains(className);
}

QWidget* CWindowClassRegistry::Create(const QString& className, QWidget* parent, quint32 style) const
{
    const auto it = creators_.constFind(className);
    return it == creators_.constEnd() ? nullptr : (*it)(parent, style);
}

}  // namespace dumpedit
