#pragma once
// A window message posted across threads to a widget: number, wParam, lParam.
#include <QEvent>
#include <cstdint>

namespace app {

class WindowMessageEvent : public QEvent {
public:
    WindowMessageEvent(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

    static QEvent::Type EventType();

    const std::uint32_t message;
    const std::uintptr_t wParam;
    const std::intptr_t lParam;
};

}  // namespace app
