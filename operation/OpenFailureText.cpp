// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/OpenFailureText.h"

#include "operation/FormatText.h"
#include "platform/PathText.h"
#include "platform/PortNames.h"

namespace operation {

using platform::OpenFailureKind;

std::string OpenFailureRemedy(OpenFailureKind kind, const platform::DeviceGroup& group)
{
    switch (kind) {
    case OpenFailureKind::NoPermission:
        if (!group.groupMayOpen)
            return res::LoadString(res::IDS_OPEN_OWNER_ONLY);
        if (group.joinedSinceLogin)
            return FormatText(res::IDS_OPEN_JOINED_SINCE_LOGIN, group.name);
        return FormatText(res::IDS_OPEN_NO_PERMISSION, group.name, group.name);
    case OpenFailureKind::Missing:
        return res::LoadString(res::IDS_OPEN_MISSING);
    case OpenFailureKind::Busy:
        return res::LoadString(res::IDS_OPEN_BUSY);
    case OpenFailureKind::NotSerial:
        return res::LoadString(res::IDS_OPEN_NOT_SERIAL);
    case OpenFailureKind::Other:
        break;
    }
    return {};
}

std::string DescribeOpenFailure(const platform::OpenFailure& failure)
{
    // Names as a terminal shows them safely: a port map's entry may hold any bytes.
    std::string where = platform::PrintableName(failure.portName);
    if (!failure.path.empty() && failure.path != failure.portName)
        where += " (" + platform::PrintableName(failure.path) + ")";
    if (failure.path.empty()) {
        if (!platform::IsComName(failure.portName))
            return FormatText(res::IDS_OPEN_NOT_A_NAME, where);
        return FormatText(res::IDS_OPEN_NO_SUCH_PORT, where, platform::PortMapFolder(),
                          platform::PrintableName(failure.portName));
    }
    const platform::OpenFailureReason reason = platform::ExplainOpenFailure(failure.err);
    // Only a refusal needs the device's group, which takes a look into the group database.
    const platform::DeviceGroup group = reason.kind == OpenFailureKind::NoPermission
                                            ? platform::DeviceGroupOf(failure.path)
                                            : platform::DeviceGroup{};
    std::string text = FormatText(res::IDS_OPEN_REASON, where, reason.systemText);
    if (const std::string remedy = OpenFailureRemedy(reason.kind, group); !remedy.empty())
        text += " " + remedy;
    return text;
}

}  // namespace operation
