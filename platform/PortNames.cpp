// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PortNames.h"

#include "platform/ErrorCodes.h"
#include "platform/UserFolders.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {

namespace {

// "ttyUSB10" after "ttyUSB9": compare the trailing numbers as numbers.
bool NaturalLess(const std::string& a, const std::string& b)
{
    const auto split = [](const std::string& s) {
        size_t i = s.size();
        while (i > 0 && std::isdigit(static_cast<unsigned char>(s[i - 1])))
            --i;
        const std::string digits = s.substr(i);
        return std::pair(s.substr(0, i), digits.empty() ? -1L : std::stol(digits));
    };
    return split(a) < split(b);
}

}  // namespace

std::string PortMapFolder()
{
    return ProgramFolder(FolderKind::Config) + "/ports";
}

std::string UnusedComName()
{
    const fs::path folder = PortMapFolder();
    std::error_code ec;
    for (unsigned n = 1; n <= kListedComPorts; ++n) {
        const fs::path entry = folder / ComName(n);
        // A link to a device that went away still holds its name.
        if (!fs::is_symlink(entry, ec) && !fs::exists(entry, ec))
            return entry.filename().string();
    }
    return {};
}

std::string DevicePathOf(const std::string& portName)
{
    const auto resolved = ResolvePortName(portName);
    const std::string* path = std::get_if<std::string>(&resolved);
    if (!path)
        return {};
    // Followed by hand: a dangling link (its adapter unplugged) still names its device.
    fs::path device = *path;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(device, ec); ++hops) {
        const fs::path target = fs::read_symlink(device, ec);
        if (ec)
            break;
        device = target.is_absolute() ? target : device.parent_path() / target;
    }
    const fs::path canonical = fs::weakly_canonical(device, ec);
    return (ec ? device : canonical).lexically_normal().string();
}

std::variant<std::string, std::uint32_t> ResolvePortName(const std::string& portName)
{
    if (portName.find('/') != std::string::npos)
        return portName;
    const unsigned n = ComNumber(portName);
    if (n == 0)
        return kErrorFileNotFound;

    const fs::path folder = PortMapFolder();
    std::error_code ec;
    if (fs::is_directory(folder, ec)) {
        const fs::path entry = folder / CanonicalComName(portName);
        if (!fs::is_symlink(entry, ec) && !fs::exists(entry, ec))
            return kErrorFileNotFound;
        return entry.string();
    }
    return "/dev/ttyS" + std::to_string(n - 1);
}

std::string PortTarget(const std::string& portName)
{
    const auto resolved = ResolvePortName(portName);
    const std::string* path = std::get_if<std::string>(&resolved);
    if (!path)
        return {};
    std::error_code ec;
    const fs::path target = fs::read_symlink(*path, ec);
    if (ec)
        return *path;
    return (fs::path(*path).parent_path() / target).lexically_normal().string();
}

std::vector<std::string> ListSerialDevices(const std::string& sysClassTty)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(sysClassTty, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("ttyS", 0) == 0 && name.size() > 4 &&
            std::isdigit(static_cast<unsigned char>(name[4])))
            continue;
        // Virtual consoles and ptys have no driver behind a device folder.
        if (!fs::exists(entry.path() / "device" / "driver", ec))
            continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    std::vector<std::string> paths;
    paths.reserve(names.size());
    for (const auto& name : names)
        paths.push_back("/dev/" + name);
    return paths;
}

}  // namespace platform
