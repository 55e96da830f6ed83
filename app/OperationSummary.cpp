#include "app/OperationSummary.h"

#include "res/StringTable.h"

#include <algorithm>
#include <cstdio>

namespace app {

namespace {

template <typename... Args>
std::string Format(res::ResourceId id, Args... args)
{
    const std::string format = res::LoadString(id);
    char text[256];
    std::snprintf(text, sizeof text, format.c_str(), args...);
    return text;
}

const char* Plural(std::uint32_t count)
{
    return count == 1 ? "" : "s";
}

}  // namespace

std::string StatusSummary(const OperationRecord& record)
{
    if (record.result != device::ResultOk)
        return Format(res::IDS_FAILED_AFTER, record.seconds);
    switch (record.operation) {
    case device::OpRead:
        return Format(res::IDS_DONE_READ, record.done, Plural(record.done), record.seconds);
    case device::OpWrite:
        return Format(res::IDS_DONE_WRITE, record.done, Plural(record.done), record.seconds);
    default:
        return Format(res::IDS_DONE_READ_ID, record.seconds);
    }
}

std::string RangeSplit(const OperationRecord& record)
{
    if (record.result == device::ResultOk || record.operation == device::OpReadId || record.count == 0)
        return {};
    const bool write = record.operation == device::OpWrite;
    const std::uint32_t done = std::min(record.done, record.count);
    if (done == 0)
        return res::LoadString(write ? res::IDS_WRITTEN_NONE : res::IDS_READ_NONE);
    const std::uint32_t last = record.start + record.count - 1;
    const std::uint32_t lastDone = record.start + done - 1;
    // Every byte done, yet the connection failed after them (at its close).
    if (lastDone == last)
        return {};
    return Format(write ? res::IDS_WRITTEN_PART : res::IDS_READ_PART, record.start, lastDone, lastDone + 1,
                  last);
}

}  // namespace app
