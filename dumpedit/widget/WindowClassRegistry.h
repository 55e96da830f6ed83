// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

#include <functional>

class QWidget;

namespace dumpedit {

// Creates child controls by window class name, so a form template can name its controls'
// classes and get the right widget for each.
class CWindowClassRegistry {
public:
    using Creator = std::function<QWidget*(QWidget* parent, quint32 style)>;

    static CWindowClassRegistry& Instance();

    // Registers a class once; false when the name is already taken (the first one stays).
    bool Register(const QString& className, const Creator& creator);
    bool IsRegistered(const QString& className) const;
    // nullptr when no class of that name is registered. The parent owns the new widget.
    QWidget* Create(const QString& className, QWidget* parent, quint32 style) const;

private:
    QHash<QString, Creator> creators_;
};

}  // namespace dumpedit
