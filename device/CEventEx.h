// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Event.h"

#include <cstdint>
#include <memory>
#include <stop_token>
#include <string>

namespace device {

// An owned event. Failures throw CExceptionEx.
class CEventEx {
public:
    // `name` is accepted for the callers' sake; events are private to the process.
    CEventEx(bool manualReset, bool initialState, const std::string& name);
    virtual ~CEventEx();
    CEventEx(const CEventEx&) = delete;
    CEventEx& operator=(const CEventEx&) = delete;

    void SetEvent();
    // True when signalled, false when the finite time-out passed (0xFFFFFFFF waits for ever).
    bool WaitEvent(std::uint32_t timeoutMs);
    // The same, and a stop request on `stop` ends the wait with false: a thread body waits this
    // way so that CThreadEx::Terminate can wake it.
    bool WaitEvent(std::uint32_t timeoutMs, const std::stop_token& stop);

protected:
    std::unique_ptr<platform::Event> eventHandle;
};

}  // namespace device
