#include "app/CQtMessageTarget.h"

#include <QCoreApplication>

#include "app/WindowMessageEvent.h"

namespace app {

void CQtMessageTarget::Post(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    auto* event = new WindowMessageEvent(message, wParam, lParam);
    event->Publish();
    QCoreApplication::postEvent(receiver_, event);
}

}  // namespace app
