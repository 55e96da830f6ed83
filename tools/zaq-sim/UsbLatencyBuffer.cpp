// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zaq-sim/UsbLatencyBuffer.h"

#include <utility>

namespace zaqsim {

UsbLatencyBuffer::UsbLatencyBuffer(SimClock::duration latency, SimClock::time_point start)
    : latency_(latency), lastRelease_(start)
{}

void UsbLatencyBuffer::Add(std::uint8_t byte, SimClock::time_point time)
{
    RunTimerTo(time);
    held_.push_back(byte);
    if (held_.size() >= kUsbPacketBytes || latency_ <= SimClock::duration::zero())
        Release(time);
}

SimClock::time_point UsbLatencyBuffer::NextRelease() const
{
    if (!due_.empty())
        return due_.front().time;
    if (!held_.empty())
        return lastRelease_ + latency_;
    return SimClock::time_point::max();
}

std::vector<UsbRelease> UsbLatencyBuffer::TakeDue(SimClock::time_point now)
{
    RunTimerTo(now);
    return std::exchange(due_, {});
}

std::vector<UsbRelease> UsbLatencyBuffer::TakeAll(SimClock::time_point now)
{
    RunTimerTo(now);
    if (!held_.empty())
        Release(now);
    return std::exchange(due_, {});
}

void UsbLatencyBuffer::RunTimerTo(SimClock::time_point time)
{
    if (latency_ <= SimClock::duration::zero() || time < lastRelease_ + latency_)
        return;
    // The first expiry carries what is held; the later ones, if any, go out empty.
    if (!held_.empty())
        Release(lastRelease_ + latency_);
    const auto expiries = (time - lastRelease_) / latency_;
    lastRelease_ += expiries * latency_;
}

void UsbLatencyBuffer::Release(SimClock::time_point time)
{
    due_.push_back({time, std::exchange(held_, {})});
    lastRelease_ = time;
}

}  // namespace zaqsim
