#include "app/CQtMessageTarget.h"

#include <QCoreApplication>

#include "app/WindowMessageEvent.h"

namespace app {

void CQtMessageTarget::Post(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    QCoreApplication::postEvent(receiver_, new WindowMessageEvent(message, wParam, lParam));
}

}  // namespace app
