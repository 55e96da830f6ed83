// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StopSignal.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace platform {

StopSignal::StopSignal() : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

StopSignal::~StopSignal()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void StopSignal::Raise()
{
    // The descriptor stays readable until Clear() reads the count back.
    const std::uint64_t one = 1;
    if (fd_ >= 0)
        (void)!::write(fd_, &one, sizeof one);
}

void StopSignal::Clear()
{
    std::uint64_t count = 0;
    if (fd_ >= 0)
        (void)!::read(fd_, &count, sizeof count);
}

bool StopSignal::IsRaised() const
{
    pollfd pfd{fd_, POLLIN, 0};
    return fd_ >= 0 && ::poll(&pfd, 1, 0) == 1;
}

bool StopSignal::SleepUntil(std::chrono::steady_clock::time_point until) const
{
    return Sleep(until, -1);
}

bool StopSignal::SleepUntil(std::chrono::steady_clock::time_point until, const StopSignal& also) const
{
    return Sleep(until, also.fd_);
}

bool StopSignal::Sleep(std::chrono::steady_clock::time_point until, int alsoFd) const
{
    for (;;) {
        switch (PollUntil(alsoFd, fd_, until)) {
        case PollOutcome::Stopped:
        case PollOutcome::Ready:
            return false;
        case PollOutcome::TimedOut:
            return true;
        default:
            continue;
        }
    }
}

PollOutcome PollUntil(int fd, int stopFd, std::chrono::steady_clock::time_point until)
{
    using namespace std::chrono;
    pollfd fds[2] = {{stopFd, POLLIN, 0}, {fd, POLLIN, 0}};
    for (;;) {
        const auto left = std::max(until - steady_clock::now(), steady_clock::duration::zero());
        const auto secs = duration_cast<seconds>(left);
        const timespec timeout{static_cast<time_t>(secs.count()),
                               static_cast<long>(duration_cast<nanoseconds>(left - secs).count())};
        // A negative descriptor is skipped by poll().
        const int n = ::ppoll(fds, 2, &timeout, nullptr);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return PollOutcome::Failed;
        }
        if (n == 0) {
            // ppoll may come back a hair early; the caller's deadline decides.
            if (steady_clock::now() < until)
                continue;
            return PollOutcome::TimedOut;
        }
        if (fds[0].revents != 0)
            return PollOutcome::Stopped;
        if (fds[1].revents & POLLIN)
            return PollOutcome::Ready;
        return PollOutcome::HungUp;  // POLLHUP, POLLERR or POLLNVAL
    }
}

}  // namespace platform
