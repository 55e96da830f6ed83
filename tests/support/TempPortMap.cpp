// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TempPortMap.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace testsupport {

TempPortMap::TempPortMap()
{
    fs::create_directories(PortsFolder());
}

void TempPortMap::Link(const std::string& comName, const std::string& devicePath)
{
    fs::create_directories(PortsFolder());
    const fs::path link = fs::path(PortsFolder()) / comName;
    std::error_code ignored;
    fs::remove(link, ignored);
    fs::create_symlink(devicePath, link);
}

void TempPortMap::Unlink(const std::string& comName)
{
    fs::remove(fs::path(PortsFolder()) / comName);
}

void TempPortMap::RemovePortsFolder()
{
    fs::remove_all(PortsFolder());
}

}  // namespace testsupport
