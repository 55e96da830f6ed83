// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TempPortMap.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testsupport {

TempPortMap::TempPortMap()
{
    std::string pattern = (fs::temp_directory_path() / "probex-config-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    configHome_ = pattern;
    fs::create_directories(PortsFolder());
    if (const char* value = std::getenv("XDG_CONFIG_HOME")) {
        hadPrevious_ = true;
        previous_ = value;
    }
    setenv("XDG_CONFIG_HOME", configHome_.c_str(), 1);
}

TempPortMap::~TempPortMap()
{
    if (hadPrevious_) {
        setenv("XDG_CONFIG_HOME", previous_.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
    std::error_code ignored;
    fs::remove_all(configHome_, ignored);
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
