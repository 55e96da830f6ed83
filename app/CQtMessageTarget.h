// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the device link's message target: each post becomes an event queued to
// the window and handled on the user-interface thread, in posting order.
#include "platform/MessageTarget.h"

#include <cstdint>

class QObject;

namespace app {

class CQtMessageTarget : public platform::MessageTarget {
public:
    // receiver must outlive the target's installation.
    explicit CQtMessageTarget(QObject* receiver) : receiver_(receiver) {}
    void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;

private:
    QObject* receiver_;
};

}  // namespace app
