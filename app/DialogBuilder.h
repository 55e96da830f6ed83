// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Child controls of a dialog template, created on a widget at their pixel positions.
#include <QFont>
#include <QSize>
#include <cstdint>
#include <functional>
#include <string>

#include "app/DialogUnits.h"
#include "res/DialogTemplate.h"

class QWidget;

namespace app {

// Makes a control of a template's own window class ("CDumpEdit_SC") with the template's style
// bits; nullptr when the class is unknown.
using CustomControlFactory =
    std::function<QWidget*(const std::string& className, QWidget* parent, std::uint32_t style)>;

DialogBaseUnits DialogFontBaseUnits(const QFont& font);
QSize DialogPixelSize(const res::DialogTemplate& dialog, const QFont& font);

// Creates the controls in template order (which is also the tab order) with their ids.
// False when a control could not be made; the controls made so far stay on parent.
bool CreateDialogControls(QWidget* parent, const res::DialogTemplate& dialog,
                          const CustomControlFactory& customFactory = {});

}  // namespace app
