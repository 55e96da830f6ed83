// SPDX-License-Identifier: GPL-3.0-or-later
// What a port name leads to, whether that is still the device it led to when chosen, and what the
// window says and asks when it is not.
#include <gtest/gtest.h>

#include "operation/ChosenPort.h"
#include "operation/PortIdentity.h"

#include <map>
#include <string>

namespace {

using operation::PortChange;
using operation::PortIdentity;

TEST(PortIdentity, IsTheStableNameElseTheUsbIdentityElseThePath)
{
    platform::SerialDeviceInfo ftdi;
    ftdi.present = ftdi.usb = true;
    ftdi.vendorId = "0403";
    ftdi.productId = "6001";
    ftdi.serialNumber = "A50285BI";
    platform::SerialDeviceInfo byId = ftdi;
    byId.byIdName = "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
    platform::SerialDeviceInfo noSerial = ftdi;
    noSerial.serialNumber.clear();
    platform::SerialDeviceInfo builtIn;
    builtIn.present = true;
    const platform::SerialDeviceInfo gone;

    EXPECT_EQ(operation::IdentityOf("/dev/ttyUSB0", byId),
              (PortIdentity{"/dev/ttyUSB0", "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"}));
    EXPECT_EQ(operation::IdentityOf("/dev/ttyUSB0", ftdi),
              (PortIdentity{"/dev/ttyUSB0", "USB 0403:6001 A50285BI"}));
    EXPECT_EQ(operation::IdentityOf("/dev/ttyUSB0", noSerial),
              (PortIdentity{"/dev/ttyUSB0", "USB 0403:6001"}));
    EXPECT_EQ(operation::IdentityOf("/dev/ttyS0", builtIn), (PortIdentity{"/dev/ttyS0", ""}));
    EXPECT_EQ(operation::IdentityOf("/dev/pts/5", gone), PortIdentity{}) << "a node that is not there";
    EXPECT_EQ(operation::IdentityOf("", builtIn), PortIdentity{});
}

TEST(PortIdentity, ChangeIsAnotherStableNameElseAnotherPath)
{
    const PortIdentity adapterA{"/dev/ttyUSB0", "usb-FTDI_A"};
    const PortIdentity adapterAMoved{"/dev/ttyUSB1", "usb-FTDI_A"};
    const PortIdentity adapterB{"/dev/ttyUSB0", "usb-FTDI_B"};
    const PortIdentity pty{"/dev/pts/5", ""};
    const PortIdentity builtIn{"/dev/ttyS0", ""};
    struct Case {
        PortIdentity chosen, now;
        PortChange change;
    };
    const Case cases[] = {
        {pty, pty, PortChange::None},
        {adapterA, adapterAMoved, PortChange::None},
        {adapterA, adapterB, PortChange::Changed},
        {pty, builtIn, PortChange::Changed},
        {builtIn, adapterA, PortChange::Changed},
        {adapterA, {}, PortChange::Vanished},
        {{}, pty, PortChange::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(operation::ComparePortIdentity(c.chosen, c.now), c.change)
            << c.chosen.path << " " << c.chosen.stable << " -> " << c.now.path << " " << c.now.stable;
    }
}

TEST(ChosenPort, SaysAndAsksWhenTheNameLeadsElsewhereUntilAccepted)
{
    std::map<std::string, PortIdentity> behind{{"COM1", {"/dev/pts/5", ""}}};
    operation::ChosenPort chosen([&behind](const std::string& name) { return behind[name]; });
    chosen.Choose("COM1");
    EXPECT_EQ(chosen.Look(), PortChange::None);
    EXPECT_EQ(chosen.ChangeText(), "");

    behind["COM1"] = {"/dev/ttyS0", ""};
    EXPECT_EQ(chosen.Look(), PortChange::Changed);
    EXPECT_EQ(chosen.ChangeText(), "COM1 now leads to /dev/ttyS0, not to /dev/pts/5 as when it was chosen");
    EXPECT_EQ(chosen.Question(), "COM1 now leads to /dev/ttyS0, not to /dev/pts/5 as when it was chosen\n"
                                 "Go on with COM1 all the same?");
    chosen.Accept();
    EXPECT_EQ(chosen.Look(), PortChange::None) << "the user went on with it";

    behind["COM1"] = {};
    EXPECT_EQ(chosen.Look(), PortChange::Vanished);
    EXPECT_EQ(chosen.ChangeText(), "COM1 leads to no device now; it led to /dev/ttyS0 when it was chosen");

    // A name that led nowhere when chosen takes the first device it leads to.
    chosen.Choose("COM1");
    behind["COM1"] = {"/dev/ttyUSB0", "usb-FTDI_A"};
    EXPECT_EQ(chosen.Look(), PortChange::None);
    behind["COM1"] = {"/dev/ttyUSB0", "usb-FTDI_B"};
    EXPECT_EQ(chosen.Look(), PortChange::Changed);
    EXPECT_EQ(chosen.ChangeText(), "COM1 now leads to /dev/ttyUSB0 (usb-FTDI_B), not to /dev/ttyUSB0 "
                                   "(usb-FTDI_A) as when it was chosen");
}

}  // namespace
