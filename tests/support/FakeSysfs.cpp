// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/FakeSysfs.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <stdlib.h>

namespace fs = std::filesystem;

namespace testsupport {

namespace {

void WriteAttribute(const fs::path& file, const std::string& value)
{
    if (value.empty())
        return;
    std::ofstream(file) << value << "\n";
}

}  // namespace

FakeSysfs::FakeSysfs()
{
    std::string pattern = (fs::temp_directory_path() / "probex-sysfs-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    root_ = pattern;
    fs::create_directories(fs::path(root_) / "class" / "tty");
    fs::create_directories(fs::path(root_) / "dev" / "serial" / "by-id");
    // The root hub has a vendor id too; a tty must find its own device below it.
    const fs::path hub = fs::path(root_) / "devices" / "pci0000:00" / "usb1";
    fs::create_directories(hub);
    WriteAttribute(hub / "idVendor", "1d6b");
}

FakeSysfs::~FakeSysfs()
{
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

platform::SysfsRoots FakeSysfs::Roots() const
{
    return {root_ + "/class/tty", root_ + "/dev/serial/by-id"};
}

std::string FakeSysfs::DriverFolder(const std::string& bus, const std::string& driver)
{
    const fs::path folder = fs::path(root_) / "bus" / bus / "drivers" / driver;
    fs::create_directories(folder);
    return folder.string();
}

std::string FakeSysfs::UsbDeviceFolder(const FakeUsbDevice& usb)
{
    const std::string name = "1-" + std::to_string(++usbDevices_);
    const fs::path device = fs::path(root_) / "devices" / "pci0000:00" / "usb1" / name;
    fs::create_directories(device);
    WriteAttribute(device / "idVendor", usb.vendorId);
    WriteAttribute(device / "idProduct", usb.productId);
    WriteAttribute(device / "product", usb.product);
    WriteAttribute(device / "manufacturer", usb.manufacturer);
    WriteAttribute(device / "serial", usb.serialNumber);
    const fs::path interface = device / (name + ":1.0");
    fs::create_directories(interface);
    return interface.string();
}

void FakeSysfs::LinkClassEntry(const std::string& ttyName, const std::string& classDeviceFolder)
{
    fs::create_symlink(fs::relative(classDeviceFolder, fs::path(root_) / "class" / "tty"),
                       fs::path(root_) / "class" / "tty" / ttyName);
}

void FakeSysfs::AddUsbSerial(const std::string& ttyName, const std::string& driver, const FakeUsbDevice& usb,
                             std::optional<std::uint32_t> latencyTimerMs)
{
    const fs::path port = fs::path(UsbDeviceFolder(usb)) / ttyName;
    fs::create_directories(port);
    fs::create_symlink(fs::relative(DriverFolder("usb-serial", driver), port), port / "driver");
    if (latencyTimerMs)
        WriteAttribute(port / "latency_timer", std::to_string(*latencyTimerMs));
    const fs::path classDevice = port / "tty" / ttyName;
    fs::create_directories(classDevice);
    fs::create_symlink("../../../" + ttyName, classDevice / "device");
    LinkClassEntry(ttyName, classDevice.string());
}

void FakeSysfs::AddUsbInterfaceTty(const std::string& ttyName, const std::string& driver,
                                   const FakeUsbDevice& usb)
{
    const fs::path interface = UsbDeviceFolder(usb);
    fs::create_symlink(fs::relative(DriverFolder("usb", driver), interface), interface / "driver");
    const fs::path classDevice = interface / "tty" / ttyName;
    fs::create_directories(classDevice);
    fs::create_symlink("../..", classDevice / "device");
    LinkClassEntry(ttyName, classDevice.string());
}

void FakeSysfs::AddBuiltIn(const std::string& ttyName, const std::string& driver)
{
    const fs::path device = fs::path(root_) / "devices" / "platform" / driver;
    fs::create_directories(device);
    if (!fs::exists(device / "driver"))
        fs::create_symlink(fs::relative(DriverFolder("platform", driver), device), device / "driver");
    const fs::path classDevice = device / "tty" / ttyName;
    fs::create_directories(classDevice);
    fs::create_symlink("../..", classDevice / "device");
    LinkClassEntry(ttyName, classDevice.string());
}

void FakeSysfs::AddVirtual(const std::string& ttyName)
{
    const fs::path classDevice = fs::path(root_) / "devices" / "virtual" / "tty" / ttyName;
    fs::create_directories(classDevice);
    LinkClassEntry(ttyName, classDevice.string());
}

void FakeSysfs::AddById(const std::string& name, const std::string& ttyName)
{
    fs::create_symlink("../../" + ttyName, fs::path(root_) / "dev" / "serial" / "by-id" / name);
}

}  // namespace testsupport
