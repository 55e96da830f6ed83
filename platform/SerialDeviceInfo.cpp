// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SerialDeviceInfo.h"

#include "platform/PathText.h"

#include <charconv>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace platform {

namespace {

// The first line of a sysfs attribute, without its line break; empty when unreadable. USB
// strings come from the device itself, so they are shown as any untrusted name is.
std::string ReadAttribute(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    return PrintableName(line);
}

// The USB device a tty hangs under: the nearest folder upwards that has a vendor id. A
// usb-serial port sits two levels below it (port, interface), an ACM tty one.
fs::path UsbDeviceAbove(fs::path folder)
{
    std::error_code ec;
    for (int level = 0; level < 4 && !folder.empty() && folder != folder.root_path(); ++level) {
        if (fs::exists(folder / "idVendor", ec))
            return folder;
        folder = folder.parent_path();
    }
    return {};
}

std::string ByIdNameOf(const std::string& ttyName, const std::string& serialById)
{
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(serialById, ec)) {
        std::error_code linkError;
        const fs::path target = fs::read_symlink(entry.path(), linkError);
        if (!linkError && target.filename() == ttyName)
            return entry.path().filename().string();
    }
    return {};
}

}  // namespace

SerialDeviceInfo ReadSerialDeviceInfo(const std::string& devicePath, const SysfsRoots& roots)
{
    SerialDeviceInfo info;
    info.ttyName = fs::path(devicePath).filename().string();
    if (info.ttyName.empty())
        return info;
    std::error_code ec;
    info.present = fs::exists(devicePath, ec);
    const fs::path classEntry = fs::path(roots.sysClassTty) / info.ttyName;
    const fs::path device = fs::canonical(classEntry / "device", ec);
    if (ec)
        return info;
    info.inSysfs = true;
    if (const fs::path driver = fs::read_symlink(device / "driver", ec); !ec)
        info.driver = driver.filename().string();

    const fs::path latency = device / "latency_timer";
    if (const std::string text = ReadAttribute(latency); !text.empty()) {
        std::uint32_t ms = 0;
        if (auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ms);
            error == std::errc() && end == text.data() + text.size()) {
            info.latencyTimerMs = ms;
            info.latencyTimerPath = (classEntry / "device" / "latency_timer").string();
        }
    }

    if (const fs::path usb = UsbDeviceAbove(device); !usb.empty()) {
        info.usb = true;
        info.vendorId = ReadAttribute(usb / "idVendor");
        info.productId = ReadAttribute(usb / "idProduct");
        info.product = ReadAttribute(usb / "product");
        info.manufacturer = ReadAttribute(usb / "manufacturer");
        info.serialNumber = ReadAttribute(usb / "serial");
    }
    info.byIdName = ByIdNameOf(info.ttyName, roots.serialById);
    return info;
}

std::string DescribeSerialDevice(const std::string& devicePath, const SerialDeviceInfo& info)
{
    if (devicePath.rfind("/dev/pts/", 0) == 0)
        return "pseudo-terminal";
    std::string text;
    const auto add = [&text](const std::string& part) {
        if (part.empty())
            return;
        if (!text.empty())
            text += ", ";
        text += part;
    };
    if (info.usb) {
        std::string identity =
            info.product.empty() ? "USB " + info.vendorId + ":" + info.productId : info.product;
        if (!info.manufacturer.empty())
            identity += " (" + info.manufacturer + ")";
        add(identity);
    }
    add(info.driver);
    add(info.byIdName);
    return text;
}

}  // namespace platform
