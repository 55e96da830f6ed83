// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ControlId.h"

#include <QVariant>

namespace app {

namespace {
constexpr const char* kControlIdProperty = "probexControlId";
}

void SetControlId(QWidget* widget, int id)
{
    widget->setProperty(kControlIdProperty, id);
}

int ControlIdOf(const QWidget* widget)
{
    const QVariant id = widget->property(kControlIdProperty);
    return id.isValid() ? id.toInt() : -1;
}

}  // namespace app
