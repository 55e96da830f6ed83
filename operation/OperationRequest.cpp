// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/OperationRequest.h"

#include "operation/FormatText.h"
#include "operation/OperationRecord.h"

namespace operation {

std::string TimeoutProblem(std::optional<std::int64_t> seconds)
{
    if (!seconds)
        return res::LoadString(res::IDS_PARSE_INT);
    if (*seconds >= kMinTimeoutSeconds && *seconds <= kMaxTimeoutSeconds)
        return {};
    // The entry's places are numbered, as a widget fills them in.
    return FormatPlaces(res::IDS_PARSE_INT_RANGE,
                        {std::to_string(kMinTimeoutSeconds), std::to_string(kMaxTimeoutSeconds)});
}

AddressRange RequestRange(std::uint32_t start, std::uint32_t count)
{
    if (count == 0)
        return {0, kEepromBytes};
    if (start >= kEepromBytes)
        return {start, 0};
    // Compared as a difference so that a huge count cannot wrap the sum.
    return {start, std::min(count, kEepromBytes - start)};
}

res::ResourceId RangeQuestion(device::DeviceOperation operation, bool changedOnly)
{
    switch (operation) {
    case device::OpWrite:
        return changedOnly ? res::IDS_CONFIRM_WRITE_CHANGED : res::IDS_CONFIRM_WRITE_RANGE;
    case device::OpCompare:
        return res::IDS_CONFIRM_COMPARE_RANGE;
    default:
        return res::IDS_CONFIRM_READ_RANGE;
    }
}

}  // namespace operation
