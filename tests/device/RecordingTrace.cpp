// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/device/RecordingTrace.h"

namespace enginetest {

void RecordingTrace::ConnectionBegan(const device::TraceBegin& begin)
{
    std::lock_guard lock(mutex_);
    begins_.push_back(begin);
    events_.push_back("began");
}

void RecordingTrace::TraceLine(const std::string& line)
{
    std::lock_guard lock(mutex_);
    lines_.push_back(line);
    events_.push_back("line " + Text(line).substr(0, Text(line).find(':')));
}

void RecordingTrace::ConnectionEnded(const device::TraceEnd& end)
{
    std::lock_guard lock(mutex_);
    ends_.push_back(end);
    events_.push_back("ended");
}

std::vector<device::TraceBegin> RecordingTrace::Begins()
{
    std::lock_guard lock(mutex_);
    return begins_;
}

std::vector<std::string> RecordingTrace::Lines()
{
    std::lock_guard lock(mutex_);
    return lines_;
}

std::vector<std::string> RecordingTrace::Texts()
{
    std::vector<std::string> texts;
    for (const std::string& line : Lines())
        texts.push_back(Text(line));
    return texts;
}

std::vector<std::string> RecordingTrace::Events()
{
    std::lock_guard lock(mutex_);
    return events_;
}

std::vector<device::TraceEnd> RecordingTrace::Ends()
{
    std::lock_guard lock(mutex_);
    return ends_;
}

std::string RecordingTrace::Text(const std::string& line)
{
    return line.substr(line.find("ms  ") + 4);
}

}  // namespace enginetest
