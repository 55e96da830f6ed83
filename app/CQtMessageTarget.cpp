// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CQtMessageTarget.h"

#include <QCoreApplication>

#include "app/WindowMessageEvent.h"

#include <cstdint>

namespace app {

void CQtMessageTarget::Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
{
    auto* event = new WindowMessageEvent(message, wParam, lParam);
    event->Publish();
    QCoreApplication::postEvent(receiver_, event);
}

}  // namespace app
