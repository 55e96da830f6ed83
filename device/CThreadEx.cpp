// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/CThreadEx.h"

#include "device/CExceptionEx.h"
#include "platform/ErrorCodes.h"

#include <latch>
#include <memory>
#include <system_error>

namespace device {

CThreadEx::CThreadEx() : threadHandle(kNoThread) {}

CThreadEx::~CThreadEx()
{
    if (threadHandle == kNoThread)
        return;
    try {
        Terminate(0);
    } catch (const CExceptionEx&) {
        // Destroyed by its own worker: the thread cannot be joined, let it finish alone.
        if (thread.joinable())
            thread.detach();
    }
}

CThreadEx::Handle CThreadEx::Start()
{
    if (threadHandle != kNoThread)
        throw CExceptionEx("CThreadEx::Start()", "Thread already running");
    // The worker waits until the thread object and handle are stored, which it may read.
    auto stored = std::make_shared<std::latch>(1);
    try {
        thread = std::thread([this, stored] {
            stored->wait();
            const std::uint32_t code = ThreadEntry(this);
            std::uint32_t running = platform::kStillActive;
            exitCode.compare_exchange_strong(running, code);
        });
    } catch (const std::system_error& error) {
        throw CExceptionEx("CThreadEx::Start()", platform::ErrorFromErrno(error.code().value()));
    }
    threadHandle = static_cast<Handle>(thread.native_handle());
    stored->count_down();
    return threadHandle;
}

void CThreadEx::Terminate(std::uint32_t code)
{
    if (threadHandle == kNoThread)
        throw CExceptionEx("CThreadEx::Terminate()", platform::kErrorInvalidHandle);
    if (thread.joinable() && thread.get_id() == std::this_thread::get_id())
        throw CExceptionEx("CThreadEx::Terminate()", platform::kErrorPossibleDeadlock);
    std::uint32_t running = platform::kStillActive;
    exitCode.compare_exchange_strong(running, code);
    stopSource.request_stop();
    if (thread.joinable())
        thread.join();
}

bool CThreadEx::GetExitCode(std::uint32_t& code) const
{
    if (threadHandle == kNoThread)
        return false;
    code = exitCode;
    return true;
}

std::uint32_t CThreadEx::ThreadEntry(CThreadEx* object)
{
    if (!object)
        return 0;
    try {
        return object->Run();
    } catch (...) {
        return 0;
    }
}

}  // namespace device
