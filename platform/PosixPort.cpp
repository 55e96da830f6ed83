// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PosixPort.h"

#include "platform/Clock.h"
#include "platform/ErrorCodes.h"
#include "platform/Event.h"
#include "platform/OpenLineSettings.h"
#include "platform/StopSignal.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace platform {

namespace {

// How often a pending event wait looks at what poll() cannot report (modem lines, output
// drained, line errors).
constexpr int kLineStatePollMs = 10;
constexpr std::uint32_t kLineStateEvents =
    kEvTxEmpty | kEvCts | kEvDsr | kEvRlsd | kEvBreak | kEvErr | kEvRing;

void Signal(Overlapped* record, std::uint32_t status, std::uint32_t transferred)
{
    record->transferred = transferred;
    record->status = status;
    if (record->event)
        record->event->Set();
}

}  // namespace

PosixPort::PosixPort(int fd, bool overlapped, const Dcb& initialState, const line::SavedSettings& original)
    : fd_(fd), overlapped_(overlapped), shadow_(initialState), original_(original)
{
    wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    line::RememberOpenLine(fd_, original_);
}

PosixPort::~PosixPort()
{
    Shutdown();
    // Whoever uses the line next finds it as it was before we opened it. After a hang-up this
    // fails, and there is nothing left to restore.
    line::ForgetOpenLine(fd_);
    line::RestoreSettings(fd_, original_);
    line::ReleaseExclusive(fd_);
    ::close(fd_);
    if (wakeFd_ >= 0)
        ::close(wakeFd_);
}

std::uint32_t PosixPort::GetState(Dcb& dcb)
{
    std::lock_guard lock(mutex_);
    if (closing_)
        return kErrorInvalidHandle;
    Dcb state = shadow_;
    if (int err = line::ReadState(fd_, state))
        return ErrorFromErrno(err);
    dcb = state;
    return 0;
}

std::uint32_t PosixPort::SetState(const Dcb& dcb)
{
    std::lock_guard lock(mutex_);
    if (closing_)
        return kErrorInvalidHandle;
    MarkUsed();
    if (int err = line::WriteState(fd_, dcb))
        return ErrorFromErrno(err);
    shadow_ = dcb;
    line::ApplyModemLines(fd_, dcb);
    return 0;
}

std::uint32_t PosixPort::GetTimeouts(CommTimeouts& result)
{
    std::lock_guard lock(mutex_);
    if (closing_)
        return kErrorInvalidHandle;
    result = timeouts_;
    return 0;
}

std::uint32_t PosixPort::SetTimeouts(const CommTimeouts& value)
{
    std::lock_guard lock(mutex_);
    if (closing_)
        return kErrorInvalidHandle;
    MarkUsed();
    timeouts_ = value;
    return 0;
}

std::uint32_t PosixPort::SetMask(std::uint32_t value)
{
    std::lock_guard lock(mutex_);
    if (closing_)
        return kErrorInvalidHandle;
    MarkUsed();
    mask_ = value;
    eventCharSeen_ = false;
    // A new mask ends the waits under way, with no events.
    for (auto it = pending_.begin(); it != pending_.end();) {
        if (it->kind == Kind::WaitEvent) {
            Complete(*it, 0);
            it = pending_.erase(it);
        } else {
            ++it;
        }
    }
    return 0;
}

std::uint32_t PosixPort::GetLowLatency(bool& on)
{
    std::lock_guard lock(mutex_);
    if (closing_)
        return kErrorInvalidHandle;
    if (int err = line::ReadLowLatency(fd_, on))
        return ErrorFromErrno(err);
    return 0;
}

std::uint32_t PosixPort::Read(void* buffer, std::uint32_t length, std::uint32_t& count, Overlapped* record)
{
    Operation op{Kind::Read, record, std::this_thread::get_id()};
    op.in = static_cast<std::uint8_t*>(buffer);
    op.length = length;
    return Issue(op, count);
}

std::uint32_t PosixPort::Write(const void* data, std::uint32_t length, std::uint32_t& count,
                               Overlapped* record)
{
    Operation op{Kind::Write, record, std::this_thread::get_id()};
    op.out = static_cast<const std::uint8_t*>(data);
    op.length = length;
    return Issue(op, count);
}

std::uint32_t PosixPort::WaitEvent(std::uint32_t* events, Overlapped* record)
{
    Operation op{Kind::WaitEvent, record, std::this_thread::get_id()};
    op.events = events;
    std::uint32_t unused = 0;
    return Issue(op, unused);
}

std::uint32_t PosixPort::WaitForInput(std::chrono::steady_clock::time_point until, int stopFd)
{
    {
        std::lock_guard lock(mutex_);
        if (closing_)
            return kErrorInvalidHandle;
        if (!inputQueue_.empty())
            return 0;
        if (hungUp_)
            return kErrorIoDevice;
    }
    switch (PollUntil(fd_, stopFd, until)) {
    case PollOutcome::Ready:
        return 0;
    case PollOutcome::Stopped:
        return kErrorOperationAborted;
    case PollOutcome::TimedOut:
        return kErrorTimeout;
    case PollOutcome::HungUp: {
        std::lock_guard lock(mutex_);
        hungUp_ = true;
        return kErrorIoDevice;
    }
    case PollOutcome::Failed:
        break;
    }
    return ErrorFromErrno(errno);
}

std::uint32_t PosixPort::Issue(Operation op, std::uint32_t& count)
{
    // A port opened without overlapped I/O blocks here, on a record of its own.
    Event ownEvent(true, false);
    Overlapped ownRecord;
    ownRecord.event = &ownEvent;
    const bool blocking = op.record == nullptr || !overlapped_;
    if (blocking)
        op.record = &ownRecord;

    std::unique_lock lock(mutex_);
    if (closing_)
        return kErrorInvalidHandle;
    MarkUsed();
    if (op.kind == Kind::WaitEvent && mask_ == 0)
        return kErrorInvalidParameter;
    if (op.record->event)
        op.record->event->Reset();
    op.record->transferred = 0;
    op.record->status = kErrorIoPending;

    const std::uint64_t now = TickCount64();
    op.lastByteMs = now;
    if (op.kind == Kind::Read) {
        op.plan = TransferPlan::ForRead(timeouts_, op.length, now);
    } else if (op.kind == Kind::Write) {
        op.plan = TransferPlan::ForWrite(timeouts_, op.length, now);
    } else if (mask_ & kLineStateEvents) {
        op.haveModemBaseline = line::ReadModemStatus(fd_, op.modemBaseline);
    }

    std::uint32_t status = 0;
    if (IsFirstOfKind(op) && Progress(op, now, status)) {
        Complete(op, status);
        count = op.done;
        return status;
    }
    pending_.push_back(op);
    StartThread();
    Wake();
    if (!blocking)
        return kErrorIoPending;

    lock.unlock();
    ownEvent.Wait(kInfinite);
    count = ownRecord.transferred;
    return ownRecord.status;
}

void PosixPort::MarkUsed()
{
    if (!used_)
        line::RequestLowLatency(fd_);
    used_ = true;
}

bool PosixPort::IsFirstOfKind(const Operation& op) const
{
    return std::none_of(pending_.begin(), pending_.end(),
                        [&](const Operation& other) { return other.kind == op.kind && &other != &op; });
}

bool PosixPort::Progress(Operation& op, std::uint64_t nowMs, std::uint32_t& status)
{
    switch (op.kind) {
    case Kind::Read:
        return ProgressRead(op, nowMs, status);
    case Kind::Write:
        return ProgressWrite(op, nowMs, status);
    case Kind::WaitEvent:
        return ProgressWait(op, status);
    }
    return false;
}

bool PosixPort::ProgressRead(Operation& op, std::uint64_t nowMs, std::uint32_t& status)
{
    status = 0;
    if (op.done < op.length) {
        const long n = TakeInput(op.in + op.done, op.length - op.done);
        if (n < 0) {
            status = ErrorFromErrno(errno);
            return true;
        }
        if (n > 0) {
            op.done += static_cast<std::uint32_t>(n);
            op.lastByteMs = nowMs;
            rxReported_ = rxReported_ > std::uint32_t(n) ? rxReported_ - std::uint32_t(n) : 0;
        }
    }
    if (op.plan.IsComplete(op.done, op.length, nowMs, op.lastByteMs))
        return true;
    if (hungUp_) {
        status = kErrorIoDevice;
        return true;
    }
    return false;
}

bool PosixPort::ProgressWrite(Operation& op, std::uint64_t nowMs, std::uint32_t& status)
{
    status = 0;
    while (op.done < op.length) {
        const ssize_t n = ::write(fd_, op.out + op.done, op.length - op.done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN)
                break;
            status = ErrorFromErrno(errno);
            return true;
        }
        op.done += static_cast<std::uint32_t>(n);
        txSinceReport_ = true;
    }
    return op.plan.IsComplete(op.done, op.length, nowMs, op.lastByteMs);
}

bool PosixPort::ProgressWait(Operation& op, std::uint32_t& status)
{
    status = 0;
    if (mask_ & kEvRxFlag)
        PullInput();
    std::uint32_t fired = 0;
    if (mask_ & kEvRxChar) {
        const std::uint32_t available = AvailableInput();
        if (available > rxReported_) {
            fired |= kEvRxChar;
            rxReported_ = available;
        }
    }
    if ((mask_ & kEvRxFlag) && eventCharSeen_) {
        fired |= kEvRxFlag;
        eventCharSeen_ = false;
    }
    if ((mask_ & kEvTxEmpty) && txSinceReport_) {
        std::uint32_t queued = 0;
        if (line::QueuedOutput(fd_, queued) == 0 && queued == 0) {
            fired |= kEvTxEmpty;
            txSinceReport_ = false;
        }
    }
    line::ModemStatus now;
    if (op.haveModemBaseline && line::ReadModemStatus(fd_, now)) {
        const auto& was = op.modemBaseline;
        if (now.cts != was.cts)
            fired |= kEvCts;
        if (now.dsr != was.dsr)
            fired |= kEvDsr;
        if (now.rlsd != was.rlsd)
            fired |= kEvRlsd;
        if (now.ring && !was.ring)
            fired |= kEvRing;
        if (now.breaks != was.breaks)
            fired |= kEvBreak;
        if (now.errors != was.errors)
            fired |= kEvErr;
    }
    fired &= mask_;
    if (fired) {
        op.fired = fired;
        return true;
    }
    if (hungUp_) {
        status = kErrorIoDevice;
        return true;
    }
    return false;
}

void PosixPort::Complete(Operation& op, std::uint32_t status)
{
    if (op.kind == Kind::WaitEvent && op.events)
        *op.events = op.fired;
    Signal(op.record, status, op.done);
}

long PosixPort::TakeInput(std::uint8_t* buffer, std::uint32_t length)
{
    std::uint32_t taken = 0;
    while (taken < length && !inputQueue_.empty()) {
        buffer[taken++] = inputQueue_.front();
        inputQueue_.pop_front();
    }
    while (taken < length) {
        const ssize_t n = ::read(fd_, buffer + taken, length - taken);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN)
                break;
            // The far end of a pseudo-terminal gone away reads as EIO: nothing more will come.
            if (errno == EIO) {
                hungUp_ = true;
                break;
            }
            return taken > 0 ? long(taken) : -1;
        }
        if (n == 0) {
            hungUp_ = true;
            break;
        }
        taken += static_cast<std::uint32_t>(n);
    }
    return long(taken);
}

void PosixPort::PullInput()
{
    std::uint8_t chunk[256];
    for (;;) {
        const ssize_t n = ::read(fd_, chunk, sizeof chunk);
        if (n <= 0) {
            if (n == 0 || (errno != EAGAIN && errno != EINTR))
                hungUp_ = true;
            if (n < 0 && errno == EINTR)
                continue;
            return;
        }
        for (ssize_t i = 0; i < n; ++i) {
            inputQueue_.push_back(chunk[i]);
            if (static_cast<char>(chunk[i]) == shadow_.evtChar)
                eventCharSeen_ = true;
        }
    }
}

std::uint32_t PosixPort::AvailableInput()
{
    std::uint32_t queued = 0;
    line::QueuedInput(fd_, queued);
    return queued + static_cast<std::uint32_t>(inputQueue_.size());
}

std::uint32_t PosixPort::Result(Overlapped& record, std::uint32_t& count, bool wait)
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

void PosixPort::Cancel(std::thread::id issuer)
{
    std::lock_guard lock(mutex_);
    for (auto it = pending_.begin(); it != pending_.end();) {
        if (it->issuer == issuer) {
            Signal(it->record, kErrorOperationAborted, 0);
            it = pending_.erase(it);
        } else {
            ++it;
        }
    }
}

void PosixPort::Shutdown()
{
    {
        std::lock_guard lock(mutex_);
        if (closing_)
            return;
        closing_ = true;
        for (auto& op : pending_)
            Signal(op.record, kErrorOperationAborted, 0);
        pending_.clear();
    }
    workArrived_.notify_all();
    Wake();
    if (worker_.joinable())
        worker_.join();
}

void PosixPort::StartThread()
{
    if (!worker_.joinable())
        worker_ = std::thread([this] { ThreadLoop(); });
    workArrived_.notify_all();
}

void PosixPort::Wake()
{
    if (wakeFd_ >= 0) {
        const std::uint64_t one = 1;
        (void)!::write(wakeFd_, &one, sizeof one);
    }
}

void PosixPort::ProgressPending(std::uint64_t nowMs)
{
    for (auto it = pending_.begin(); it != pending_.end();) {
        std::uint32_t status = 0;
        const bool inTurn =
            it->kind == Kind::WaitEvent ||
            std::find_if(pending_.begin(), it, [&](const Operation& o) { return o.kind == it->kind; }) == it;
        if (inTurn && Progress(*it, nowMs, status)) {
            Complete(*it, status);
            it = pending_.erase(it);
        } else {
            ++it;
        }
    }
}

void PosixPort::ThreadLoop()
{
    std::unique_lock lock(mutex_);
    while (!closing_) {
        const std::uint64_t now = TickCount64();
        ProgressPending(now);
        if (pending_.empty()) {
            workArrived_.wait(lock, [this] { return closing_ || !pending_.empty(); });
            continue;
        }

        short events = 0;
        std::uint64_t limit = TransferPlan::kNever;
        for (const auto& op : pending_) {
            if (op.kind == Kind::Write) {
                events |= POLLOUT;
                limit = std::min(limit, op.plan.NextTimeLimit(op.done, op.lastByteMs));
            } else if (op.kind == Kind::Read) {
                events |= POLLIN;
                limit = std::min(limit, op.plan.NextTimeLimit(op.done, op.lastByteMs));
            } else {
                if (mask_ & (kEvRxChar | kEvRxFlag))
                    events |= POLLIN;
                if (mask_ & kLineStateEvents)
                    limit = std::min(limit, now + kLineStatePollMs);
            }
        }
        int timeoutMs = -1;
        if (limit != TransferPlan::kNever)
            timeoutMs = limit <= now ? 0 : int(std::min<std::uint64_t>(limit - now, 60'000));
        // After a hang-up poll() reports it at once for ever: look again only at time limits.
        if (hungUp_)
            events = 0;

        pollfd fds[2] = {{fd_, events, 0}, {wakeFd_, POLLIN, 0}};
        lock.unlock();
        ::poll(fds, 2, timeoutMs);
        if (fds[1].revents & POLLIN) {
            std::uint64_t drained;
            (void)!::read(wakeFd_, &drained, sizeof drained);
        }
        lock.lock();
        if (fds[0].revents & (POLLHUP | POLLERR))
            hungUp_ = true;
    }
}

}  // namespace platform
