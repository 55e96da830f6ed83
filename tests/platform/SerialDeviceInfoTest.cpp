// SPDX-License-Identifier: GPL-3.0-or-later
// What sysfs says is behind a serial device, read from a tree laid out as sysfs lays it out.
#include "platform/SerialDeviceInfo.h"
#include "tests/support/FakeSysfs.h"

#include <gtest/gtest.h>

using namespace platform;
using testsupport::FakeSysfs;

namespace {

TEST(SerialDeviceInfo, ReadsUsbIdentityDriverLatencyTimerAndStableName)
{
    FakeSysfs sysfs;
    sysfs.AddUsbSerial("ttyUSB0", "ftdi_sio", {"0403", "6001", "FT232R USB UART", "FTDI", "A50285BI"}, 16);
    sysfs.AddById("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "ttyUSB0");
    sysfs.AddUsbSerial("ttyUSB1", "ch341", {"1a86", "7523", "", "", ""});
    // The device names itself: an escape sequence in its strings must not reach a terminal.
    sysfs.AddUsbInterfaceTty("ttyACM0", "cdc_acm", {"2341", "0043", "Uno", "Ard\x1B[2J\x7Fuino", ""});
    sysfs.AddBuiltIn("ttyS0", "serial8250");
    sysfs.AddVirtual("tty1");

    struct Case {
        std::string path;
        bool inSysfs;
        std::string driver;
        bool usb;
        std::string identity;  // vendor:product product / manufacturer / serial
        std::optional<std::uint32_t> latency;
        std::string description;
    };
    const Case cases[] = {
        {"/dev/ttyUSB0", true, "ftdi_sio", true, "0403:6001 FT232R USB UART/FTDI/A50285BI", 16,
         "FT232R USB UART (FTDI), ftdi_sio, usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"},
        {"/dev/ttyUSB1", true, "ch341", true, "1a86:7523 //", std::nullopt, "USB 1a86:7523, ch341"},
        {"/dev/ttyACM0", true, "cdc_acm", true, "2341:0043 Uno/Ard\\x1B[2J\\x7Fuino/", std::nullopt,
         "Uno (Ard\\x1B[2J\\x7Fuino), cdc_acm"},
        {"/dev/ttyS0", true, "serial8250", false, ": //", std::nullopt, "serial8250"},
        {"/dev/tty1", false, "", false, ": //", std::nullopt, ""},
        {"/dev/ttyUSB7", false, "", false, ": //", std::nullopt, ""},
        {"/dev/pts/3", false, "", false, ": //", std::nullopt, "pseudo-terminal"},
    };
    for (const Case& c : cases) {
        const SerialDeviceInfo info = ReadSerialDeviceInfo(c.path, sysfs.Roots());
        EXPECT_EQ(info.inSysfs, c.inSysfs) << c.path;
        EXPECT_EQ(info.driver, c.driver) << c.path;
        EXPECT_EQ(info.usb, c.usb) << c.path;
        EXPECT_EQ(info.vendorId + ":" + info.productId + " " + info.product + "/" + info.manufacturer + "/" +
                      info.serialNumber,
                  c.identity)
            << c.path;
        EXPECT_EQ(info.latencyTimerMs, c.latency) << c.path;
        EXPECT_EQ(DescribeSerialDevice(c.path, info), c.description) << c.path;
    }
    EXPECT_EQ(ReadSerialDeviceInfo("/dev/ttyUSB0", sysfs.Roots()).latencyTimerPath,
              sysfs.Roots().sysClassTty + "/ttyUSB0/device/latency_timer");
}

}  // namespace
