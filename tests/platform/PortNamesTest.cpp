// SPDX-License-Identifier: GPL-3.0-or-later
// Port-name resolution through the port map and the list of serial devices present.
#include "platform/PortNames.h"
#include "platform/ErrorCodes.h"
#include "tests/support/TempPortMap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

using namespace platform;
using testsupport::TempPortMap;
namespace fs = std::filesystem;

namespace {

std::string Resolved(const std::string& name)
{
    const auto result = ResolvePortName(name);
    return std::holds_alternative<std::string>(result)
               ? std::get<std::string>(result)
               : "error " + std::to_string(std::get<std::uint32_t>(result));
}

TEST(PortNames, PathsAreUsedAsGiven)
{
    TempPortMap map;
    EXPECT_EQ(Resolved("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(Resolved("./relative/tty"), "./relative/tty");
    // A linked path shows where it leads, as a path of its own.
    const fs::path linked = fs::path(map.ConfigHome()) / "by-id";
    fs::create_directories(linked);
    fs::create_symlink("../ttyUSB4", linked / "usb-adapter");
    EXPECT_EQ(PortTarget((linked / "usb-adapter").string()), map.ConfigHome() + "/ttyUSB4");
    EXPECT_EQ(PortTarget("/dev/ttyUSB0"), "/dev/ttyUSB0");
}

TEST(PortNames, ComNamesGoThroughThePortMapInAnyCase)
{
    TempPortMap map;
    map.Link("COM3", "/dev/ttyUSB7");
    map.Link("COM12", "/dev/pts/9");
    EXPECT_EQ(Resolved("COM3"), map.PortsFolder() + "/COM3");
    EXPECT_EQ(fs::read_symlink(Resolved("com3")), "/dev/ttyUSB7");
    EXPECT_EQ(Resolved("Com12"), map.PortsFolder() + "/COM12");
    // While the folder exists, only its entries exist.
    EXPECT_EQ(Resolved("COM1"), "error 2");
    EXPECT_EQ(Resolved("COM4"), "error 2");
    EXPECT_EQ(PortTarget("com3"), "/dev/ttyUSB7");
    EXPECT_EQ(PortTarget("COM4"), "");

    // A new entry takes the first listed name free; a link to an unplugged device holds its name.
    map.Link("COM1", "/dev/ttyUSB9-unplugged");
    map.Link("COM2", "/dev/ttyUSB0");
    EXPECT_EQ(UnusedComName(), "COM4");
    for (unsigned n = 4; n <= kListedComPorts; ++n)
        map.Link("COM" + std::to_string(n), "/dev/ttyUSB0");
    EXPECT_EQ(UnusedComName(), "") << "never a name the map holds";
}

TEST(PortNames, WithoutThePortMapComNIsTtySNMinusOne)
{
    TempPortMap map;
    map.RemovePortsFolder();
    EXPECT_EQ(Resolved("COM1"), "/dev/ttyS0");
    EXPECT_EQ(Resolved("com16"), "/dev/ttyS15");
    EXPECT_EQ(PortTarget("COM1"), "/dev/ttyS0");
}

TEST(PortNames, OtherNamesNameNoPort)
{
    TempPortMap map;
    map.RemovePortsFolder();
    for (const char* name : {"", "COM", "COM0", "COM01", "COMX", "COM1a", "LPT1", "ttyS0", " COM1"})
        EXPECT_EQ(Resolved(name), "error 2") << '"' << name << '"';
}

TEST(SerialDeviceList, ListsDriverBackedTtysOtherThanTtySInNaturalOrder)
{
    TempPortMap scratch;  // only for its temporary folder
    const fs::path root = fs::path(scratch.ConfigHome()) / "class-tty";
    const auto addTty = [&](const std::string& name, bool withDriver) {
        fs::create_directories(root / name / "device");
        if (withDriver)
            fs::create_directories(root / name / "device" / "driver");
    };
    addTty("ttyUSB10", true);
    addTty("ttyUSB2", true);
    addTty("ttyACM0", true);
    addTty("ttyS0", true);
    addTty("ttyS1", true);
    addTty("ttyStrange", true);
    addTty("tty1", false);
    fs::create_directories(root / "console");

    EXPECT_EQ(ListSerialDevices(root.string()),
              (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyStrange", "/dev/ttyUSB2", "/dev/ttyUSB10"}));
    EXPECT_TRUE(ListSerialDevices((root / "missing").string()).empty());
}

}  // namespace
