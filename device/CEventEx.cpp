// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/CEventEx.h"

#include "device/CExceptionEx.h"
#include "platform/ErrorCodes.h"

#include <new>

namespace device {

CEventEx::CEventEx(bool manualReset, bool initialState, const std::string&)
    : eventHandle(new (std::nothrow) platform::Event(manualReset, initialState))
{}

CEventEx::~CEventEx() = default;

void CEventEx::SetEvent()
{
    if (!eventHandle)
        throw CExceptionEx("SetEvent()", platform::kErrorInvalidHandle);
    eventHandle->Set();
}

bool CEventEx::WaitEvent(std::uint32_t timeoutMs)
{
    return WaitEvent(timeoutMs, std::stop_token());
}

bool CEventEx::WaitEvent(std::uint32_t timeoutMs, const std::stop_token& stop)
{
    if (!eventHandle)
        throw CExceptionEx("WaitEvent()", platform::kErrorInvalidHandle);
    switch (eventHandle->Wait(timeoutMs, stop)) {
    case platform::WaitResult::Signalled:
        return true;
    case platform::WaitResult::Stopped:
        return false;
    case platform::WaitResult::TimedOut:
        break;
    }
    if (timeoutMs == platform::kInfinite)
        throw CExceptionEx("WaitEvent()", "Timeout on infinite wait");
    return false;
}

}  // namespace device
