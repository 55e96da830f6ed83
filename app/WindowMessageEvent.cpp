// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowMessageEvent.h"

namespace app {

WindowMessageEvent::WindowMessageEvent(std::uint32_t number, std::uintptr_t wordParam,
                                       std::intptr_t longParam)
    : QEvent(EventType()), message(number), wParam(wordParam), lParam(longParam)
{}

QEvent::Type WindowMessageEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace app
