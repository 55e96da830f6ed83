// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/Win32Port.h"

#include "platform/ErrorCodes.h"
#include "platform/Event.h"

#include <algorithm>
#include <cstring>
#include <windows.h>

namespace platform {

namespace {

// A driver that keeps no history of the events that came while nobody waited could miss bytes
// arriving just before the wait began, and a pending wait may have fired on bytes already read:
// each wait for input looks at the queue again this often.
constexpr DWORD kInputRecheckMs = 50;

void Signal(Overlapped* record, std::uint32_t status, std::uint32_t transferred)
{
    if (!record)
        return;
    record->transferred = transferred;
    record->status = status;
    if (record->event)
        record->event->Set();
}

}  // namespace

struct Win32Port::Operation {
    OVERLAPPED native{};
    Kind kind = Kind::Read;
    Overlapped* record = nullptr;
    std::thread::id issuer;
    DWORD nativeEvents = 0;
    std::uint32_t* events = nullptr;
    std::uint32_t status = 0;
    std::uint32_t done = 0;
};

Win32Port::Win32Port(void* handle, bool overlapped, const void* originalState, std::size_t stateSize)
    : handle_(handle),
      overlapped_(overlapped),
      originalState_(static_cast<const unsigned char*>(originalState),
                     static_cast<const unsigned char*>(originalState) + stateSize),
      wakeEvent_(CreateEventW(nullptr, FALSE, FALSE, nullptr))
{}

Win32Port::~Win32Port()
{
    Shutdown();
    // Whoever uses the port next finds it as it was before we opened it.
    if (originalState_.size() == sizeof(DCB)) {
        DCB original;
        std::memcpy(&original, originalState_.data(), sizeof original);
        SetCommState(handle_, &original);
    }
    CloseHandle(handle_);
    for (void* event : retiredEvents_)
        CloseHandle(event);
    if (wakeEvent_)
        CloseHandle(wakeEvent_);
    if (inputWait_.hEvent)
        CloseHandle(inputWait_.hEvent);
}

std::uint32_t Win32Port::SetMask(std::uint32_t mask)
{
    std::lock_guard lock(mutex_);
    if (closing_)
        return kErrorInvalidHandle;
    // The driver ends the event waits under way, with no events.
    if (!SetCommMask(handle_, mask))
        return ::GetLastError();
    mask_ = mask;
    rxCharAdded_ = false;
    return 0;
}

std::uint32_t Win32Port::Read(void* buffer, std::uint32_t length, std::uint32_t& count, Overlapped* record)
{
    return Issue(Kind::Read, buffer, length, nullptr, count, record);
}

std::uint32_t Win32Port::Write(const void* data, std::uint32_t length, std::uint32_t& count,
                               Overlapped* record)
{
    // WriteFile takes the bytes as const; the shared entry point takes a plain pointer.
    return Issue(Kind::Write, const_cast<void*>(data), length, nullptr, count, record);
}

std::uint32_t Win32Port::WaitEvent(std::uint32_t* events, Overlapped* record)
{
    std::uint32_t unused = 0;
    return Issue(Kind::WaitEvent, nullptr, 0, events, unused, record);
}

std::uint32_t Win32Port::Issue(Kind kind, void* buffer, std::uint32_t length, std::uint32_t* events,
                               std::uint32_t& count, Overlapped* record)
{
    count = 0;
    std::unique_lock lock(mutex_);
    if (closing_)
        return kErrorInvalidHandle;
    if (kind == Kind::Read && length > 0) {
        if (const std::uint32_t code = LimitToQueued(length); code != 0)
            return code;
        if (length == 0) {
            // Nothing queued and nothing to wait for: done, with no bytes.
            Signal(record, 0, 0);
            return 0;
        }
    }
    // A blocking call waits for its own operation, which the port's thread never sees.
    const bool blocking = record == nullptr || !overlapped_;
    std::list<Operation> own;
    std::list<Operation>& list = blocking ? own : pending_;
    Operation& op = list.emplace_back();
    op.kind = kind;
    op.record = record;
    op.issuer = std::this_thread::get_id();
    op.events = events;
    op.native.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!op.native.hEvent) {
        const DWORD code = ::GetLastError();
        list.pop_back();
        return code;
    }
    if (record) {
        if (record->event)
            record->event->Reset();
        record->transferred = 0;
        record->status = kErrorIoPending;
    }

    BOOL issued = FALSE;
    switch (kind) {
    case Kind::Read:
        issued = ::ReadFile(handle_, buffer, length, nullptr, &op.native);
        break;
    case Kind::Write:
        issued = ::WriteFile(handle_, buffer, length, nullptr, &op.native);
        break;
    case Kind::WaitEvent:
        issued = ::WaitCommEvent(handle_, &op.nativeEvents, &op.native);
        break;
    }
    const DWORD code = issued ? ERROR_SUCCESS : ::GetLastError();
    if (code != ERROR_SUCCESS && code != ERROR_IO_PENDING) {
        // Refused at once: nothing is pending, and the record says so.
        Signal(record, code, 0);
        CloseHandle(op.native.hEvent);
        list.pop_back();
        return code;
    }
    if (!blocking && code == ERROR_IO_PENDING) {
        if (!worker_.joinable())
            worker_ = std::thread([this] { ThreadLoop(); });
        Wake();
        return kErrorIoPending;
    }
    if (blocking)
        lock.unlock();
    Finish(op);
    count = op.done;
    const std::uint32_t status = op.status;
    if (blocking) {
        CloseHandle(op.native.hEvent);
    } else {
        retiredEvents_.push_back(op.native.hEvent);
        pending_.pop_back();
    }
    return status;
}

std::uint32_t Win32Port::LimitToQueued(std::uint32_t& length)
{
    COMMTIMEOUTS timeouts{};
    if (!GetCommTimeouts(handle_, &timeouts))
        return ::GetLastError();
    if (timeouts.ReadIntervalTimeout != MAXDWORD || timeouts.ReadTotalTimeoutMultiplier != 0 ||
        timeouts.ReadTotalTimeoutConstant != 0)
        return 0;
    // A read told to return at once takes what the queue holds. Wine keeps an overlapped one
    // pending until bytes come instead, so it is never asked for more than that.
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(handle_, &errors, &status))
        return ::GetLastError();
    length = std::min<std::uint32_t>(length, status.cbInQue);
    return 0;
}

void Win32Port::Finish(Operation& op)
{
    DWORD transferred = 0;
    const BOOL ok = GetOverlappedResult(handle_, &op.native, &transferred, TRUE);
    op.status = ok ? 0 : ::GetLastError();
    // A read or write that ran out of its time-outs is done with what it moved; Windows says so
    // with success, Wine with a time-out code.
    if (op.kind != Kind::WaitEvent && (op.status == ERROR_TIMEOUT || op.status == WAIT_TIMEOUT))
        op.status = 0;
    op.done = transferred;
    if (op.kind == Kind::WaitEvent && op.events)
        *op.events = ok ? op.nativeEvents : 0;
    Signal(op.record, op.status, op.done);
}

std::uint32_t Win32Port::WaitForInput(std::chrono::steady_clock::time_point until, StopHandle stop)
{
    std::unique_lock lock(mutex_);
    if (closing_)
        return kErrorInvalidHandle;
    // The wait needs received bytes among the driver's events; they stay there afterwards (a later
    // SetMask sets the caller's mask exactly).
    if ((mask_ & EV_RXCHAR) == 0 && !rxCharAdded_) {
        if (!SetCommMask(handle_, mask_ | EV_RXCHAR))
            return ::GetLastError();
        rxCharAdded_ = true;
    }
    if (!inputWait_.hEvent) {
        inputWait_.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (!inputWait_.hEvent)
            return ::GetLastError();
    }
    lock.unlock();
    // One event wait is kept pending from call to call, never cancelled before the port closes:
    // Wine 8 leaves something behind for every cancelled one, and after a few its
    // GetDefaultCommConfigW hangs.
    for (;;) {
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(handle_, &errors, &status))
            return ::GetLastError();
        if (status.cbInQue > 0)
            return 0;
        const auto left = until - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero())
            return kErrorTimeout;
        if (!inputWaitPending_) {
            inputWait_.Internal = inputWait_.InternalHigh = 0;
            ResetEvent(inputWait_.hEvent);
            if (!WaitCommEvent(handle_, &inputEvents_, &inputWait_) && ::GetLastError() != ERROR_IO_PENDING)
                return ::GetLastError();
            inputWaitPending_ = true;
        }
        const auto leftMs = std::chrono::ceil<std::chrono::milliseconds>(left).count();
        const DWORD sliceMs = DWORD(std::min<long long>(leftMs, kInputRecheckMs));
        const HANDLE handles[2] = {inputWait_.hEvent, stop};
        const DWORD woke = WaitForMultipleObjects(stop ? 2 : 1, handles, FALSE, sliceMs);
        if (woke == WAIT_OBJECT_0) {
            DWORD unused = 0;
            GetOverlappedResult(handle_, &inputWait_, &unused, FALSE);
            inputWaitPending_ = false;
        } else if (woke == WAIT_OBJECT_0 + 1) {
            return kErrorOperationAborted;
        } else if (woke == WAIT_FAILED) {
            return ::GetLastError();
        }
        // Bytes, or a slice gone by: the queue is looked at again.
    }
}

std::uint32_t Win32Port::Result(Overlapped& record, std::uint32_t& count, bool wait)
{
    // Completions happen under the lock, so a finished record is never still being signalled.
    std::unique_lock lock(mutex_);
    while (record.status == kErrorIoPending) {
        if (!wait || !record.event)
            return kErrorIoIncomplete;
        lock.unlock();
        record.event->Wait(kInfinite);
        lock.lock();
    }
    count = record.transferred;
    return record.status;
}

void Win32Port::CancelOwn()
{
    {
        std::lock_guard lock(mutex_);
        if (closing_)
            return;
        // The system cancels what this thread issued; each record then gets what its operation
        // really came to (a read that had its bytes keeps them).
        CancelIo(handle_);
        const auto me = std::this_thread::get_id();
        for (auto it = pending_.begin(); it != pending_.end();) {
            if (it->issuer == me) {
                Finish(*it);
                retiredEvents_.push_back(it->native.hEvent);
                it = pending_.erase(it);
            } else {
                ++it;
            }
        }
    }
    Wake();
}

void Win32Port::Shutdown()
{
    {
        std::lock_guard lock(mutex_);
        if (closing_)
            return;
        closing_ = true;
        CancelIoEx(handle_, nullptr);
        for (Operation& op : pending_) {
            Finish(op);
            retiredEvents_.push_back(op.native.hEvent);
        }
        pending_.clear();
        if (inputWaitPending_) {
            DWORD unused = 0;
            GetOverlappedResult(handle_, &inputWait_, &unused, TRUE);
            inputWaitPending_ = false;
        }
    }
    Wake();
    if (worker_.joinable())
        worker_.join();
}

void Win32Port::Wake()
{
    if (wakeEvent_)
        SetEvent(wakeEvent_);
}

void Win32Port::ThreadLoop()
{
    std::unique_lock lock(mutex_);
    while (!closing_) {
        // Closed here only: the last wait may have held them.
        for (void* event : retiredEvents_)
            CloseHandle(event);
        retiredEvents_.clear();
        std::vector<HANDLE> handles{wakeEvent_};
        for (const Operation& op : pending_) {
            if (handles.size() < MAXIMUM_WAIT_OBJECTS)
                handles.push_back(op.native.hEvent);
        }
        lock.unlock();
        WaitForMultipleObjects(DWORD(handles.size()), handles.data(), FALSE, INFINITE);
        lock.lock();
        for (auto it = pending_.begin(); it != pending_.end();) {
            if (WaitForSingleObject(it->native.hEvent, 0) == WAIT_OBJECT_0) {
                Finish(*it);
                retiredEvents_.push_back(it->native.hEvent);
                it = pending_.erase(it);
            } else {
                ++it;
            }
        }
    }
}

}  // namespace platform
