// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zaq-sim/PortMapLink.h"

#include <filesystem>
#include <system_error>

#include "platform/PortNames.h"

namespace zaqsim {

bool LinkPort(const std::string& comName, const std::string& target, std::string& error, bool& createdFolder)
{
    namespace fs = std::filesystem;
    const fs::path folder = platform::PortMapFolder();
    std::error_code ec;
    createdFolder = fs::create_directories(folder, ec);
    const fs::path link = folder / comName;
    const fs::path temporary = folder / (comName + ".new");
    fs::remove(temporary, ec);
    fs::create_symlink(target, temporary, ec);
    if (!ec)
        fs::rename(temporary, link, ec);
    if (ec) {
        error = link.string() + ": " + ec.message();
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

void UnlinkPort(const std::string& comName, const std::string& target)
{
    namespace fs = std::filesystem;
    const fs::path link = fs::path(platform::PortMapFolder()) / comName;
    std::error_code ec;
    if (fs::read_symlink(link, ec) == fs::path(target) && !ec)
        fs::remove(link, ec);
}

void RemovePortMapFolderIfEmpty()
{
    namespace fs = std::filesystem;
    const fs::path folder = platform::PortMapFolder();
    std::error_code ec;
    if (fs::is_directory(folder, ec) && fs::is_empty(folder, ec) && !ec)
        fs::remove(folder, ec);
}

}  // namespace zaqsim
