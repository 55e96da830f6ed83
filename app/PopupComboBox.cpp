// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PopupComboBox.h"

namespace app {

void PopupComboBox::showPopup()
{
    emit aboutToShowPopup();
    QComboBox::showPopup();
}

}  // namespace app
