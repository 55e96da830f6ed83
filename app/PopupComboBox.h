// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace app {

// A combo box that says when its list is about to drop down, so the list can be built anew
// from what is there at that moment.
class PopupComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override;

signals:
    void aboutToShowPopup();
};

}  // namespace app
