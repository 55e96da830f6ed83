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

std::string PermissionRemedy(const DeviceGroup& group)
{
    if (!group.groupMayOpen) {
        return "Only the device's owner may open it; a udev rule (GROUP=\"dialout\", MODE=\"0660\") lets "
               "the group dialout in.";
    }
    if (group.joinedSinceLogin) {
        return "Your user is in the group " + group.name +
               ", but this session began before it joined: log out and in again.";
    }
    return "Your user may not open serial ports: add it to the group " + group.name + " (sudo usermod -aG " +
           group.name + " \"$USER\"), then log out and in again.";
}

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

OpenFailureReason ExplainOpenFailure(int err, const DeviceGroup& group)
{
    OpenFailureReason reason;
    reason.systemText = ErrnoText(err);
    switch (err) {
    case EACCES:
    case EPERM:
        reason.kind = OpenFailureKind::NoPermission;
        reason.remedy = PermissionRemedy(group);
        break;
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case EIO:  // a built-in port with no hardware behind it
        reason.kind = OpenFailureKind::Missing;
        reason.remedy = "The device is not there: the adapter is unplugged, or the port name is wrong.";
        break;
    case EBUSY:
    case EWOULDBLOCK:
        reason.kind = OpenFailureKind::Busy;
        reason.remedy = "Another program holds the port (a terminal program, a modem manager, another "
                        "Probex): close it and try again.";
        break;
    case ENOTTY:
        reason.kind = OpenFailureKind::NotSerial;
        reason.remedy =
            "This is not a serial port: choose the adapter's port (/dev/ttyUSB0, /dev/ttyACM0, ...).";
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

std::string DescribeOpenFailure(const OpenFailure& failure)
{
    std::string where = failure.portName;
    if (!failure.path.empty() && failure.path != failure.portName)
        where += " (" + failure.path + ")";
    if (failure.path.empty()) {
        if (!IsComName(failure.portName))
            return where + ": not a port name: give COMn or a device path (/dev/ttyUSB0).";
        return where + ": no such port: the port map " + PortMapFolder() + " has no " + failure.portName +
               "; link it there to the adapter's device, or remove the folder to make COMn /dev/ttyS(n-1).";
    }
    const OpenFailureReason reason = ExplainOpenFailure(
        failure.err,
        failure.err == EACCES || failure.err == EPERM ? DeviceGroupOf(failure.path) : DeviceGroup{});
    std::string text = where + ": " + reason.systemText + ".";
    if (!reason.remedy.empty())
        text += " " + reason.remedy;
    return text;
}

}  // namespace platform
