#include "platform/PosixPort.h"

#include "platform/Clock.h"
#include "platform/ErrorCodes.h"
#include "platform/Event.h"

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
constexpr uint32_t kLineStateEvents = kEvTxEmpty | kEvCts | kEvDsr | kEvRlsd | kEvBreak | kEvErr | kEvRing;

void Signal(Overlapped* record, uint32_t status, uint32_t transferred)
{
    record->transferred = transferred;
    record->status = status;
    if (record->event)
        record->event->Set();
}

} // namespace

PosixPort::PosixPort(int fd, bool overlapped, const Dcb& initialState, const line::SavedSettings& original)
    : fd(fd), overlapped(overlapped), shadow(initialState), original(original)
{
    wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

PosixPort::~PosixPort()
{
    Shutdown();
    if (!used)
        line::RestoreSettings(fd, original);
    line::ReleaseExclusive(fd);
    ::close(fd);
    if (wakeFd >= 0)
        ::close(wakeFd);
}

uint32_t PosixPort::GetState(Dcb& dcb)
{
    std::lock_guard lock(mutex);
    if (closing)
        return kErrorInvalidHandle;
    Dcb state = shadow;
    if (int err = line::ReadState(fd, state))
        return ErrorFromErrno(err);
    dcb = state;
    return 0;
}

uint32_t PosixPort::SetState(const Dcb& dcb)
{
    std::lock_guard lock(mutex);
    if (closing)
        return kErrorInvalidHandle;
    MarkUsed();
    if (int err = line::WriteState(fd, dcb))
        return ErrorFromErrno(err);
    shadow = dcb;
    line::ApplyModemLines(fd, dcb);
    return 0;
}

uint32_t PosixPort::GetTimeouts(CommTimeouts& result)
{
    std::lock_guard lock(mutex);
    if (closing)
        return kErrorInvalidHandle;
    result = timeouts;
    return 0;
}

uint32_t PosixPort::SetTimeouts(const CommTimeouts& value)
{
    std::lock_guard lock(mutex);
    if (closing)
        return kErrorInvalidHandle;
    MarkUsed();
    timeouts = value;
    return 0;
}

uint32_t PosixPort::SetMask(uint32_t value)
{
    std::lock_guard lock(mutex);
    if (closing)
        return kErrorInvalidHandle;
    MarkUsed();
    mask = value;
    eventCharSeen = false;
    // A new mask ends the waits under way, with no events.
    for (auto it = pending.begin(); it != pending.end();) {
        if (it->kind == Kind::WaitEvent) {
            Complete(*it, 0);
            it = pending.erase(it);
        } else {
            ++it;
        }
    }
    return 0;
}

uint32_t PosixPort::Read(void* buffer, uint32_t length, uint32_t& count, Overlapped* record)
{
    Operation op{Kind::Read, record, std::this_thread::get_id()};
    op.in = static_cast<uint8_t*>(buffer);
    op.length = length;
    return Issue(op, count);
}

uint32_t PosixPort::Write(const void* data, uint32_t length, uint32_t& count, Overlapped* record)
{
    Operation op{Kind::Write, record, std::this_thread::get_id()};
    op.out = static_cast<const uint8_t*>(data);
    op.length = length;
    return Issue(op, count);
}

uint32_t PosixPort::WaitEvent(uint32_t* events, Overlapped* record)
{
    Operation op{Kind::WaitEvent, record, std::this_thread::get_id()};
    op.events = events;
    uint32_t unused = 0;
    return Issue(op, unused);
}

uint32_t PosixPort::Issue(Operation op, uint32_t& count)
{
    // A port opened without overlapped I/O blocks here, on a record of its own.
    Event ownEvent(true, false);
    Overlapped ownRecord;
    ownRecord.event = &ownEvent;
    const bool blocking = op.record == nullptr || !overlapped;
    if (blocking)
        op.record = &ownRecord;

    std::unique_lock lock(mutex);
    if (closing)
        return kErrorInvalidHandle;
    MarkUsed();
    if (op.kind == Kind::WaitEvent && mask == 0)
        return kErrorInvalidParameter;
    if (op.record->event)
        op.record->event->Reset();
    op.record->transferred = 0;
    op.record->status = kErrorIoPending;

    const uint64_t now = TickCount64();
    op.lastByteMs = now;
    if (op.kind == Kind::Read)
        op.plan = TransferPlan::ForRead(timeouts, op.length, now);
    else if (op.kind == Kind::Write)
        op.plan = TransferPlan::ForWrite(timeouts, op.length, now);
    else if (mask & kLineStateEvents)
        op.haveModemBaseline = line::ReadModemStatus(fd, op.modemBaseline);

    uint32_t status = 0;
    if (IsFirstOfKind(op) && Progress(op, now, status)) {
        Complete(op, status);
        count = op.done;
        return status;
    }
    pending.push_back(op);
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
    if (!used)
        line::RequestLowLatency(fd);
    used = true;
}

bool PosixPort::IsFirstOfKind(const Operation& op) const
{
    return std::none_of(pending.begin(), pending.end(), [&](const Operation& other) {
        return other.kind == op.kind && &other != &op;
    });
}

bool PosixPort::Progress(Operation& op, uint64_t nowMs, uint32_t& status)
{
    switch (op.kind) {
    case Kind::Read: return ProgressRead(op, nowMs, status);
    case Kind::Write: return ProgressWrite(op, nowMs, status);
    case Kind::WaitEvent: return ProgressWait(op, status);
    }
    return false;
}

bool PosixPort::ProgressRead(Operation& op, uint64_t nowMs, uint32_t& status)
{
    status = 0;
    if (op.done < op.length) {
        const long n = TakeInput(op.in + op.done, op.length - op.done);
        if (n < 0) {
            status = ErrorFromErrno(errno);
            return true;
        }
        if (n > 0) {
            op.done += static_cast<uint32_t>(n);
            op.lastByteMs = nowMs;
            rxReported = rxReported > uint32_t(n) ? rxReported - uint32_t(n) : 0;
        }
    }
    if (op.plan.IsComplete(op.done, op.length, nowMs, op.lastByteMs))
        return true;
    if (hungUp) {
        status = kErrorIoDevice;
        return true;
    }
    return false;
}

bool PosixPort::ProgressWrite(Operation& op, uint64_t nowMs, uint32_t& status)
{
    status = 0;
    while (op.done < op.length) {
        const ssize_t n = ::write(fd, op.out + op.done, op.length - op.done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN)
                break;
            status = ErrorFromErrno(errno);
            return true;
        }
        op.done += static_cast<uint32_t>(n);
        txSinceReport = true;
    }
    return op.plan.IsComplete(op.done, op.length, nowMs, op.lastByteMs);
}

bool PosixPort::ProgressWait(Operation& op, uint32_t& status)
{
    status = 0;
    if (mask & kEvRxFlag)
        PullInput();
    uint32_t fired = 0;
    if (mask & kEvRxChar) {
        const uint32_t available = AvailableInput();
        if (available > rxReported) {
            fired |= kEvRxChar;
            rxReported = available;
        }
    }
    if ((mask & kEvRxFlag) && eventCharSeen) {
        fired |= kEvRxFlag;
        eventCharSeen = false;
    }
    if ((mask & kEvTxEmpty) && txSinceReport) {
        uint32_t queued = 0;
        if (line::QueuedOutput(fd, queued) == 0 && queued == 0) {
            fired |= kEvTxEmpty;
            txSinceReport = false;
        }
    }
    line::ModemStatus now;
    if (op.haveModemBaseline && line::ReadModemStatus(fd, now)) {
        const auto& was = op.modemBaseline;
        if (now.cts != was.cts) fired |= kEvCts;
        if (now.dsr != was.dsr) fired |= kEvDsr;
        if (now.rlsd != was.rlsd) fired |= kEvRlsd;
        if (now.ring && !was.ring) fired |= kEvRing;
        if (now.breaks != was.breaks) fired |= kEvBreak;
        if (now.errors != was.errors) fired |= kEvErr;
    }
    fired &= mask;
    if (fired) {
        op.fired = fired;
        return true;
    }
    if (hungUp) {
        status = kErrorIoDevice;
        return true;
    }
    return false;
}

void PosixPort::Complete(Operation& op, uint32_t status)
{
    if (op.kind == Kind::WaitEvent && op.events)
        *op.events = op.fired;
    Signal(op.record, status, op.done);
}

long PosixPort::TakeInput(uint8_t* buffer, uint32_t length)
{
    uint32_t taken = 0;
    while (taken < length && !inputQueue.empty()) {
        buffer[taken++] = inputQueue.front();
        inputQueue.pop_front();
    }
    while (taken < length) {
        const ssize_t n = ::read(fd, buffer + taken, length - taken);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN)
                break;
            // The far end of a pseudo-terminal gone away reads as EIO: nothing more will come.
            if (errno == EIO) {
                hungUp = true;
                break;
            }
            return taken > 0 ? long(taken) : -1;
        }
        if (n == 0) {
            hungUp = true;
            break;
        }
        taken += static_cast<uint32_t>(n);
    }
    return long(taken);
}

void PosixPort::PullInput()
{
    uint8_t chunk[256];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n <= 0) {
            if (n == 0 || (errno != EAGAIN && errno != EINTR))
                hungUp = true;
            if (n < 0 && errno == EINTR)
                continue;
            return;
        }
        for (ssize_t i = 0; i < n; ++i) {
            inputQueue.push_back(chunk[i]);
            if (static_cast<char>(chunk[i]) == shadow.evtChar)
                eventCharSeen = true;
        }
    }
}

uint32_t PosixPort::AvailableInput()
{
    uint32_t queued = 0;
    line::QueuedInput(fd, queued);
    return queued + static_cast<uint32_t>(inputQueue.size());
}

uint32_t PosixPort::Result(Overlapped& record, uint32_t& count, bool wait)
{
    // Completions happen under the lock, so a finished record is never still being signalled.
    std::unique_lock lock(mutex);
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
    std::lock_guard lock(mutex);
    for (auto it = pending.begin(); it != pending.end();) {
        if (it->issuer == issuer) {
            Signal(it->record, kErrorOperationAborted, 0);
            it = pending.erase(it);
        } else {
            ++it;
        }
    }
}

void PosixPort::Shutdown()
{
    {
        std::lock_guard lock(mutex);
        if (closing)
            return;
        closing = true;
        for (auto& op : pending)
            Signal(op.record, kErrorOperationAborted, 0);
        pending.clear();
    }
    workArrived.notify_all();
    Wake();
    if (worker.joinable())
        worker.join();
}

void PosixPort::StartThread()
{
    if (!worker.joinable())
        worker = std::thread([this] { ThreadLoop(); });
    workArrived.notify_all();
}

void PosixPort::Wake()
{
    if (wakeFd >= 0) {
        const uint64_t one = 1;
        (void)!::write(wakeFd, &one, sizeof one);
    }
}

void PosixPort::ProgressPending(uint64_t nowMs)
{
    for (auto it = pending.begin(); it != pending.end();) {
        uint32_t status = 0;
        const bool inTurn = it->kind == Kind::WaitEvent ||
                            std::find_if(pending.begin(), it, [&](const Operation& o) {
                                return o.kind == it->kind;
                            }) == it;
        if (inTurn && Progress(*it, nowMs, status)) {
            Complete(*it, status);
            it = pending.erase(it);
        } else {
            ++it;
        }
    }
}

void PosixPort::ThreadLoop()
{
    std::unique_lock lock(mutex);
    while (!closing) {
        const uint64_t now = TickCount64();
        ProgressPending(now);
        if (pending.empty()) {
            workArrived.wait(lock, [this] { return closing || !pending.empty(); });
            continue;
        }

        short events = 0;
        uint64_t limit = TransferPlan::kNever;
        for (const auto& op : pending) {
            if (op.kind == Kind::Write) {
                events |= POLLOUT;
                limit = std::min(limit, op.plan.NextTimeLimit(op.done, op.lastByteMs));
            } else if (op.kind == Kind::Read) {
                events |= POLLIN;
                limit = std::min(limit, op.plan.NextTimeLimit(op.done, op.lastByteMs));
            } else {
                if (mask & (kEvRxChar | kEvRxFlag))
                    events |= POLLIN;
                if (mask & kLineStateEvents)
                    limit = std::min(limit, now + kLineStatePollMs);
            }
        }
        int timeoutMs = -1;
        if (limit != TransferPlan::kNever)
            timeoutMs = limit <= now ? 0 : int(std::min<uint64_t>(limit - now, 60'000));
        // After a hang-up poll() reports it at once for ever: look again only at time limits.
        if (hungUp)
            events = 0;

        pollfd fds[2] = {{fd, events, 0}, {wakeFd, POLLIN, 0}};
        lock.unlock();
        ::poll(fds, 2, timeoutMs);
        if (fds[1].revents & POLLIN) {
            uint64_t drained;
            (void)!::read(wakeFd, &drained, sizeof drained);
        }
        lock.lock();
        if (fds[0].revents & (POLLHUP | POLLERR))
            hungUp = true;
    }
}

} // namespace platform
