// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OpenFailure.h"

#include "platform/ErrorCodes.h"
#include "platform/PortNames.h"

#include <algorithm>
#include <cerrno>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

bool ProcessHasGroup(gid_t gid)
{
    if (getegid() == gid)
        return true;
    std::vector<gid_t> groups(std::max(getgroups(0, nullptr), 0));
    const int count = getgroups(int(groups.size()), groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(count, 0), gid) !=
           groups.begin() + std::max(count, 0);
}

bool UserListedInGroup(gid_t gid)
{
    const passwd* user = getpwuid(getuid());
    if (!user || !user->pw_name)
        return false;
    int count = 64;
    std::vector<gid_t> groups(count);
    if (getgrouplist(user->pw_name, user->pw_gid, groups.data(), &count) < 0) {
        groups.resize(count);
        if (getgrouplist(user->pw_name, user->pw_gid, groups.data(), &count) < 0)
            return false;
    }
    return std::find(groups.begin(), groups.begin() + count, gid) != groups.begin() + count;
}

}  // namespace

OpenFailureReason ExplainOpenFailure(int err)
{
    OpenFailureReason reason;
    reason.systemText = ErrnoText(err);
    switch (err) {
    case EACCES:
    case EPERM:
        reason.kind = OpenFailureKind::NoPermission;
        break;
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case EIO:  // a built-in port with no hardware behind it
        reason.kind = OpenFailureKind::Missing;
        break;
    case EBUSY:
    case EWOULDBLOCK:
        reason.kind = OpenFailureKind::Busy;
        break;
    case ENOTTY:
        reason.kind = OpenFailureKind::NotSerial;
        break;
    default:
        break;
    }
    return reason;
}

DeviceGroup DeviceGroupOf(const std::string& path)
{
    DeviceGroup group;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return group;
    group.groupMayOpen = info.st_gid != 0 && (info.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    if (const ::group* entry = getgrgid(info.st_gid); entry && entry->gr_name)
        group.name = entry->gr_name;
    group.joinedSinceLogin = !ProcessHasGroup(info.st_gid) && UserListedInGroup(info.st_gid);
    return group;
}

OpenFailure OpenFailureOf(const std::string& portName, std::uint32_t code)
{
    // The errno first: finding the path makes system calls of its own.
    const int err = SystemErrno(code);
    return {portName, DevicePathOf(portName), err};
}

}  // namespace platform
