// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window message posted across threads to a widget: number, wParam, lParam.
#include <QEvent>
#include <atomic>
#include <cstdint>

namespace app {

class WindowMessageEvent : public QEvent {
public:
    WindowMessageEvent(std::uint32_t number, std::uintptr_t wordParam, std::intptr_t longParam);

    static QEvent::Type EventType();

    // The poster calls Publish just before posting, the receiver Receive before it acts. Qt's
    // queue already orders the two, but through locks a race detector does not see (the
    // system's Qt is not instrumented); this pair states that order where it can, so what the
    // poster wrote before posting (an engine's ID text, a dump byte) is not reported as a race.
    void Publish() { published_.store(true, std::memory_order_release); }
    void Receive() const { (void)published_.load(std::memory_order_acquire); }

    const std::uint32_t message;
    const std::uintptr_t wParam;
    const std::intptr_t lParam;

private:
    std::atomic<bool> published_{false};
};

}  // namespace app
