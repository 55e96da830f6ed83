// SPDX-License-Identifier: GPL-3.0-or-later
// Why a port did not open: the errno table, and the one-line description of what really
// happens when the serial backend opens a missing, busy, forbidden or non-serial port.
#include "operation/OpenFailureText.h"
#include "platform/ErrorCodes.h"
#include "platform/PosixSerialBackend.h"
#include "tests/support/PtyPair.h"
#include "tests/support/ScopedFilePermissions.h"
#include "tests/support/TempPortMap.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using namespace operation;

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(OpenFailure, EachErrnoHasTheSystemsTextAndItsRemedy)
{
    const DeviceGroup plain;
    const DeviceGroup joinedLater{"uucp", true, true};
    const DeviceGroup ownerOnly{"root", false, false};
    struct Case {
        int err;
        DeviceGroup group;
        OpenFailureKind kind;
        std::vector<std::string> remedyParts;  // none: no remedy is known
    };
    const Case cases[] = {
        {EACCES,
         plain,
         OpenFailureKind::NoPermission,
         {"group dialout", "sudo usermod -aG dialout \"$USER\"", "log out and in again"}},
        {EPERM, plain, OpenFailureKind::NoPermission, {"sudo usermod -aG dialout", "log out and in again"}},
        {EACCES,
         joinedLater,
         OpenFailureKind::NoPermission,
         {"in the group uucp", "this session began before it joined", "log out and in again"}},
        {EACCES, ownerOnly, OpenFailureKind::NoPermission, {"Only the device's owner", "udev rule"}},
        {ENOENT, plain, OpenFailureKind::Missing, {"unplugged", "the port name is wrong"}},
        {ENODEV, plain, OpenFailureKind::Missing, {"unplugged", "the port name is wrong"}},
        {ENXIO, plain, OpenFailureKind::Missing, {"unplugged"}},
        {EIO, plain, OpenFailureKind::Missing, {"unplugged"}},
        {EBUSY, plain, OpenFailureKind::Busy, {"Another program holds the port", "close it"}},
        {EWOULDBLOCK, plain, OpenFailureKind::Busy, {"Another program holds the port"}},
        {ENOTTY, plain, OpenFailureKind::NotSerial, {"not a serial port", "/dev/ttyUSB0"}},
        {EMFILE, plain, OpenFailureKind::Other, {}},
    };
    for (const Case& c : cases) {
        const OpenFailureReason reason = ExplainOpenFailure(c.err);
        EXPECT_EQ(reason.kind, c.kind) << c.err;
        EXPECT_EQ(reason.systemText, std::strerror(c.err)) << c.err;
        const std::string remedy = OpenFailureRemedy(reason.kind, c.group);
        EXPECT_EQ(remedy.empty(), c.remedyParts.empty()) << c.err << ": " << remedy;
        for (const std::string& part : c.remedyParts)
            EXPECT_TRUE(Contains(remedy, part)) << c.err << ": " << remedy;
        if (c.group.joinedSinceLogin) {
            EXPECT_FALSE(Contains(remedy, "usermod")) << remedy;
        }
    }
}

// The description names the port as given, the device it leads to, the system's reason and the
// remedy, for what opening through the backend really ran into.
TEST(OpenFailure, DescriptionsOfRealFailuresNameThePortDeviceReasonAndRemedy)
{
    testsupport::TempPortMap portMap;
    testsupport::PtyPair pty;
    PosixSerialBackend backend;
    const CommHandle holder = backend.CreateFile(pty.SlavePath(), false);
    ASSERT_NE(holder, kNullHandle);
    portMap.Link("COM2", pty.SlavePath());
    portMap.Link("COM3", "/dev/probex-unplugged");
    portMap.Link("COM5", "/dev/probex-\x1b[2J");  // a port map's entry may hold any bytes
    const std::string folder = portMap.PortsFolder();

    struct Case {
        std::string portName;
        std::string expectedStart;
        std::string remedyPart;
    };
    const Case cases[] = {
        {"/dev/probex-missing", "/dev/probex-missing: " + std::string(std::strerror(ENOENT)) + ".",
         "unplugged"},
        {"COM3", "COM3 (/dev/probex-unplugged): " + std::string(std::strerror(ENOENT)) + ".", "unplugged"},
        {"COM2", "COM2 (" + pty.SlavePath() + "): " + std::strerror(EBUSY) + ".", "Another program"},
        {pty.SlavePath(), pty.SlavePath() + ": " + std::strerror(EBUSY) + ".", "Another program"},
        {"/dev/null", "/dev/null: " + std::string(std::strerror(ENOTTY)) + ".", "not a serial port"},
        {"COM7", "COM7: no such port: the port map " + folder + " has no COM7;", "remove the folder"},
        {"ttyUSB0", "ttyUSB0: not a port name", "COMn or a device path"},
        {"COM5", "COM5 (/dev/probex-\\x1B[2J): " + std::string(std::strerror(ENOENT)) + ".", "unplugged"},
        {"/dev/probex-\x07\xC2\x9B",
         "/dev/probex-\\x07\\xC2\\x9B: " + std::string(std::strerror(ENOENT)) + ".", "unplugged"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(backend.CreateFile(c.portName, false), kNullHandle) << c.portName;
        const std::string text = DescribeOpenFailure(OpenFailureOf(c.portName, GetLastError()));
        EXPECT_EQ(text.rfind(c.expectedStart, 0), 0u) << text;
        EXPECT_TRUE(Contains(text, c.remedyPart)) << text;
    }
    backend.CloseHandle(holder);
}

TEST(OpenFailure, AForbiddenDeviceNamesItsGroupAndHowToJoinIt)
{
    testsupport::PtyPair pty;
    struct stat before {};
    ASSERT_EQ(::stat(pty.SlavePath().c_str(), &before), 0);
    // Only the group may read and write (a group of users: dialout's usual number where root may
    // choose it): the owner, this process, is refused.
    const gid_t group = geteuid() == 0 ? 20 : getegid();
    ASSERT_EQ(::chown(pty.SlavePath().c_str(), uid_t(-1), group), 0);
    ASSERT_EQ(::chmod(pty.SlavePath().c_str(), 0060), 0);
    PosixSerialBackend backend;
    std::string text;
    const std::string groupName = DeviceGroupOf(pty.SlavePath()).name;
    {
        ScopedFilePermissions binding;
        ASSERT_EQ(backend.CreateFile(pty.SlavePath(), false), kNullHandle);
        text = DescribeOpenFailure(OpenFailureOf(pty.SlavePath(), GetLastError()));
    }
    ::chown(pty.SlavePath().c_str(), uid_t(-1), before.st_gid);
    ::chmod(pty.SlavePath().c_str(), before.st_mode & 07777);
    EXPECT_EQ(text.rfind(pty.SlavePath() + ": " + std::strerror(EACCES) + ".", 0), 0u) << text;
    EXPECT_TRUE(Contains(text, "sudo usermod -aG " + groupName)) << text;
    EXPECT_TRUE(Contains(text, "log out and in again")) << text;
}

}  // namespace
