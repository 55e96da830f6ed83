#include "app/PopupComboBox.h"

namespace app {

void PopupComboBox::showPopup()
{
    emit aboutToShowPopup();
    QComboBox::showPopup();
}

}  // namespace app
