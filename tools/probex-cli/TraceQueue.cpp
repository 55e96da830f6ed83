// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/probex-cli/TraceQueue.h"

namespace probexcli {

void TraceQueue::ConnectionBegan(const device::TraceBegin& begin)
{
    TraceLine(device::DescribeBegin(begin));
}

void TraceQueue::TraceLine(const std::string& line)
{
    std::lock_guard lock(mutex_);
    lines_.push_back(line);
}

void TraceQueue::DrainTo(std::ostream& out)
{
    std::vector<std::string> lines;
    {
        std::lock_guard lock(mutex_);
        lines.swap(lines_);
    }
    for (const std::string& line : lines)
        out << line << '\n';
    out.flush();
}

}  // namespace probexcli
