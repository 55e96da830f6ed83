// SPDX-License-Identifier: GPL-3.0-or-later
// The port list: COM names of the port map and the devices no COM name reaches, each with what is
// behind it; busy and forbidden ports stay listed, ports that are not there are left out.
#include "platform/SerialPortList.h"
#include "platform/PortNames.h"
#include "tests/support/FakeSysfs.h"
#include "tests/support/TempPortMap.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <ostream>

using namespace platform;

namespace platform {
std::ostream& operator<<(std::ostream& out, const PortEntry& e)
{
    return out << "{" << e.name << ", " << e.comName << ", " << e.path << ", " << e.description << ", "
               << int(e.availability) << "}";
}
}  // namespace platform

namespace {

// Answers as the system would for each port; every other port opens.
PortOpenProbe Probe(std::map<std::string, int> errors)
{
    return [errors = std::move(errors)](const std::string& name) {
        const auto found = errors.find(name);
        return found == errors.end() ? 0 : found->second;
    };
}

TEST(SerialPortList, ListsComNamesAsTextThenUnreachedDevicesWithWhatIsBehindThem)
{
    testsupport::TempPortMap portMap;
    testsupport::FakeSysfs sysfs;
    sysfs.AddUsbSerial("ttyUSB0", "ftdi_sio", {"0403", "6001", "FT232R USB UART", "FTDI", "A5"}, 16);
    sysfs.AddById("usb-FTDI_FT232R_USB_UART_A5-if00-port0", "ttyUSB0");
    sysfs.AddUsbSerial("ttyUSB1", "pl2303", {"067b", "2303", "USB-Serial Controller", "Prolific", ""});
    sysfs.AddUsbSerial("ttyUSB2", "ch341", {"1a86", "7523", "", "", ""});
    sysfs.AddUsbSerial("ttyUSB3", "ch341", {"1a86", "7523", "", "", ""});
    sysfs.AddUsbInterfaceTty("ttyACM0", "cdc_acm", {"2341", "0043", "Uno", "Arduino", ""});
    sysfs.AddBuiltIn("ttyS0", "serial8250");
    portMap.Link("COM1", "/dev/serial/../ttyUSB0");
    portMap.Link("COM2", "/dev/ttyACM0");
    portMap.Link("COM3", "/dev/ttyUSB5");  // unplugged since it was mapped
    portMap.Link("COM4", "/dev/ttyUSB1");
    portMap.Link("COM10", "/dev/pts/77");

    const auto probe = Probe({{"COM2", EBUSY},
                              {"COM3", ENOENT},
                              {"COM4", EACCES},
                              {"/dev/ttyUSB2", ENODEV},  // went away since sysfs was read
                              {"/dev/ttyUSB3", EWOULDBLOCK}});
    const std::vector<PortEntry> expected{
        {"COM1", "COM1", "/dev/ttyUSB0",
         "FT232R USB UART (FTDI), ftdi_sio, usb-FTDI_FT232R_USB_UART_A5-if00-port0", PortAvailability::Free},
        {"COM10", "COM10", "/dev/pts/77", "pseudo-terminal", PortAvailability::Free},
        {"COM2", "COM2", "/dev/ttyACM0", "Uno (Arduino), cdc_acm", PortAvailability::Busy},
        {"COM4", "COM4", "/dev/ttyUSB1", "USB-Serial Controller (Prolific), pl2303",
         PortAvailability::NoAccess},
        {"/dev/ttyUSB3", "", "/dev/ttyUSB3", "USB 1a86:7523, ch341", PortAvailability::Busy},
    };
    EXPECT_EQ(ListPorts(ListSerialDevices(sysfs.Roots().sysClassTty), probe, sysfs.Roots()), expected);

    // Built anew after COM1's adapter was unplugged (sysfs not yet updated): it is gone.
    auto unplugged = Probe({{"COM1", ENOENT},
                            {"/dev/ttyUSB0", ENOENT},
                            {"COM2", EBUSY},
                            {"COM3", ENOENT},
                            {"COM4", EACCES},
                            {"/dev/ttyUSB2", ENODEV},
                            {"/dev/ttyUSB3", EWOULDBLOCK}});
    const std::vector<PortEntry> after(expected.begin() + 1, expected.end());
    EXPECT_EQ(ListPorts(ListSerialDevices(sysfs.Roots().sysClassTty), unplugged, sysfs.Roots()), after);
}

TEST(SerialPortList, WithoutAPortMapComNamesAreTheBuiltInPortsThatHaveHardware)
{
    testsupport::TempPortMap portMap;
    portMap.RemovePortsFolder();
    testsupport::FakeSysfs sysfs;
    sysfs.AddBuiltIn("ttyS0", "serial8250");
    sysfs.AddBuiltIn("ttyS1", "serial8250");
    std::vector<std::string> probed;
    const auto probe = [&probed](const std::string& name) {
        probed.push_back(name);
        return name == "COM1" ? 0 : EIO;  // no UART behind the others
    };
    const std::vector<PortEntry> expected{
        {"COM1", "COM1", "/dev/ttyS0", "serial8250", PortAvailability::Free}};
    EXPECT_EQ(ListPorts(ListSerialDevices(sysfs.Roots().sysClassTty), probe, sysfs.Roots()), expected);
    EXPECT_EQ(probed.size(), 16u) << "COM1 to COM16, and no ttyS by path";
}

}  // namespace
