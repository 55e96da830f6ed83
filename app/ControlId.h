// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Child windows are found by their resource id, kept as a widget property.
#include <QWidget>

namespace app {

void SetControlId(QWidget* widget, int id);
int ControlIdOf(const QWidget* widget);  // -1 when none

// The first descendant of root with the id and of type T, or nullptr.
template <class T = QWidget>
T* FindControl(const QWidget* root, int id)
{
    if (!root)
        return nullptr;
    for (T* child : root->findChildren<T*>()) {
        if (ControlIdOf(child) == id)
            return child;
    }
    return nullptr;
}

}  // namespace app
