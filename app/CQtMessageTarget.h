#pragma once
// The main window as the device link's message target: each post becomes an event queued to
// the window and handled on the user-interface thread, in posting order.
#include "platform/MessageTarget.h"

class QObject;

namespace app {

class CQtMessageTarget : public platform::MessageTarget {
public:
    // receiver must outlive the target's installation.
    explicit CQtMessageTarget(QObject* receiver) : receiver_(receiver) {}
    void Post(uint32_t message, uintptr_t wParam, intptr_t lParam) override;

private:
    QObject* receiver_;
};

}  // namespace app
