// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One open serial port of the Win32 backend. The handle is always opened for overlapped I/O: a
// port the caller opened without it gets blocking calls that wait for their own completion, and
// the wait for input can end on a stop event or a deadline. Operations left pending complete
// through the caller's record, which a thread of the port's own signals.
#include "platform/SerialTypes.h"
#include "platform/StopHandle.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <list>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {

class Win32Port {
public:
    // Takes over `handle` (a HANDLE opened with FILE_FLAG_OVERLAPPED); `originalState` is the
    // DCB found at opening (kept whole, opaque here), put back when the port closes.
    Win32Port(void* handle, bool overlapped, const void* originalState, std::size_t stateSize);
    ~Win32Port();
    Win32Port(const Win32Port&) = delete;
    Win32Port& operator=(const Win32Port&) = delete;

    void* Native() const { return handle_; }

    // These return 0 or the system's error code.
    std::uint32_t SetMask(std::uint32_t mask);
    // 0 when done at once (`count` set), kErrorIoPending when it goes on through `record`, or an
    // error code. Without a record, or on a port opened without overlapped I/O, they block.
    std::uint32_t Read(void* buffer, std::uint32_t length, std::uint32_t& count, Overlapped* record);
    std::uint32_t Write(const void* data, std::uint32_t length, std::uint32_t& count, Overlapped* record);
    std::uint32_t WaitEvent(std::uint32_t* events, Overlapped* record);
    // 0 when received bytes wait, kErrorOperationAborted once `stop` is signalled, kErrorTimeout
    // at `until`, or the code of a line that cannot be asked any more (an adapter pulled out).
    std::uint32_t WaitForInput(std::chrono::steady_clock::time_point until, StopHandle stop);

    // The outcome of an operation on `record`, as PosixPort::Result.
    std::uint32_t Result(Overlapped& record, std::uint32_t& count, bool wait);
    // Cancels what the calling thread started; returns once their records are signalled.
    void CancelOwn();
    // Cancels everything and stops the port's thread; later calls fail with kErrorInvalidHandle.
    void Shutdown();

private:
    enum class Kind {
        Read,
        Write,
        WaitEvent
    };
    struct Operation;

    std::uint32_t Issue(Kind kind, void* buffer, std::uint32_t length, std::uint32_t* events,
                        std::uint32_t& count, Overlapped* record);
    // Cuts a read's `length` to the bytes queued when the port's time-outs ask reads to return
    // at once; 0 or the system's error code.
    std::uint32_t LimitToQueued(std::uint32_t& length);
    // Waits for the native operation to end and signals its record with the outcome.
    void Finish(Operation& op);
    void ThreadLoop();
    void Wake();

    void* const handle_;
    const bool overlapped_;
    std::vector<unsigned char> originalState_;
    void* wakeEvent_;

    std::mutex mutex_;
    std::uint32_t mask_ = 0;
    bool rxCharAdded_ = false;  // the driver's mask has EV_RXCHAR for WaitForInput, beside mask_
    // WaitForInput's event wait, kept pending from one call to the next (by one caller at a time).
    OVERLAPPED inputWait_{};
    DWORD inputEvents_ = 0;
    bool inputWaitPending_ = false;
    bool closing_ = false;
    std::list<Operation> pending_;
    std::vector<void*> retiredEvents_;  // closed by the thread, which may still be waiting on them
    std::thread worker_;
};

}  // namespace platform
