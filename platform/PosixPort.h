// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One open serial line of the POSIX backend: its descriptor, the line state record members the
// driver has no place for, the time-outs, and the operations still pending on it, which a
// thread of the port's own carries on until they complete or are cancelled.
#include "platform/LineControl.h"
#include "platform/SerialTypes.h"
#include "platform/TransferPlan.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <list>
#include <mutex>
#include <thread>

namespace platform {

class PosixPort {
public:
    // Takes over `fd` (non-blocking, raw, locked), closes it in the destructor after putting
    // the `original` settings back.
    PosixPort(int fd, bool overlapped, const Dcb& initialState, const line::SavedSettings& original);
    ~PosixPort();
    PosixPort(const PosixPort&) = delete;
    PosixPort& operator=(const PosixPort&) = delete;

    // These return 0 or an error code.
    std::uint32_t GetState(Dcb& dcb);
    std::uint32_t SetState(const Dcb& dcb);
    std::uint32_t GetTimeouts(CommTimeouts& timeouts);
    std::uint32_t SetTimeouts(const CommTimeouts& timeouts);
    std::uint32_t SetMask(std::uint32_t mask);
    std::uint32_t GetLowLatency(bool& on);

    // 0 when done at once (`count` set), kErrorIoPending when it goes on through `record`, or
    // an error code. Without a record, or on a port opened without overlapped I/O, the call
    // blocks until done.
    std::uint32_t Read(void* buffer, std::uint32_t length, std::uint32_t& count, Overlapped* record);
    std::uint32_t Write(const void* data, std::uint32_t length, std::uint32_t& count, Overlapped* record);
    std::uint32_t WaitEvent(std::uint32_t* events, Overlapped* record);
    // Blocks in poll() on the line itself: 0 when bytes wait, kErrorIoDevice on a hang-up,
    // kErrorOperationAborted when `stopFd` is readable, kErrorTimeout at `until`.
    std::uint32_t WaitForInput(std::chrono::steady_clock::time_point until, int stopFd);

    // The outcome of an operation on `record`: 0 with `count`, kErrorIoIncomplete while it is
    // pending (with `wait`, waits for its event first), or the code it failed with.
    std::uint32_t Result(Overlapped& record, std::uint32_t& count, bool wait);
    // Cancels what `issuer` started; the records are signalled with kErrorOperationAborted.
    void Cancel(std::thread::id issuer);
    // Cancels everything and stops the port's thread; later calls fail with kErrorInvalidHandle.
    void Shutdown();

private:
    enum class Kind {
        Read,
        Write,
        WaitEvent
    };
    struct Operation {
        Kind kind;
        Overlapped* record;
        std::thread::id issuer;
        std::uint8_t* in = nullptr;
        const std::uint8_t* out = nullptr;
        std::uint32_t length = 0;
        std::uint32_t done = 0;
        std::uint64_t lastByteMs = 0;
        TransferPlan plan = TransferPlan::ForWrite({}, 0, 0);
        std::uint32_t* events = nullptr;
        std::uint32_t fired = 0;
        bool haveModemBaseline = false;
        line::ModemStatus modemBaseline{};
    };

    // Called by every operation but closing; asks for low latency on the first.
    void MarkUsed();
    std::uint32_t Issue(Operation op, std::uint32_t& count);
    bool Progress(Operation& op, std::uint64_t nowMs, std::uint32_t& status);
    bool ProgressRead(Operation& op, std::uint64_t nowMs, std::uint32_t& status);
    bool ProgressWrite(Operation& op, std::uint64_t nowMs, std::uint32_t& status);
    bool ProgressWait(Operation& op, std::uint32_t& status);
    void Complete(Operation& op, std::uint32_t status);
    void ProgressPending(std::uint64_t nowMs);
    bool IsFirstOfKind(const Operation& op) const;
    // Reads what has arrived (queued bytes first); -1 with errno on failure.
    long TakeInput(std::uint8_t* buffer, std::uint32_t length);
    // Moves what the driver holds into `inputQueue`, watching for the event character.
    void PullInput();
    std::uint32_t AvailableInput();
    void StartThread();
    void ThreadLoop();
    void Wake();

    const int fd_;
    const bool overlapped_;
    int wakeFd_ = -1;

    std::mutex mutex_;
    std::condition_variable workArrived_;
    Dcb shadow_;
    CommTimeouts timeouts_;
    std::uint32_t mask_ = 0;
    std::deque<std::uint8_t> inputQueue_;
    bool eventCharSeen_ = false;
    std::uint32_t rxReported_ = 0;  // bytes waiting when EV_RXCHAR was last reported
    bool txSinceReport_ = false;
    bool hungUp_ = false;
    bool used_ = false;
    const line::SavedSettings original_;
    bool closing_ = false;
    std::list<Operation> pending_;
    std::thread worker_;
};

}  // namespace platform
