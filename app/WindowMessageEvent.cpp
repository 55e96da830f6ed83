// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowMessageEvent.h"

namespace app {

WindowMessageEvent::WindowMessageEvent(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
    : QEvent(EventType()), message(message), wParam(wParam), lParam(lParam)
{}

QEvent::Type WindowMessageEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace app
