// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PathText.h"

#include <cstdio>

namespace platform {

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string InFolder(const std::string& folder, const std::string& name)
{
    return folder == "/" ? "/" + name : folder + "/" + name;
}

std::string PrintableName(const std::string& name)
{
    std::string shown;
    shown.reserve(name.size());
    const auto escape = [&shown](unsigned char byte) {
        char text[8];
        std::snprintf(text, sizeof text, "\\x%02X", byte);
        shown += text;
    };
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const bool c1 =
            byte == 0xC2 && i + 1 < name.size() && (static_cast<unsigned char>(name[i + 1]) & 0xE0) == 0x80;
        if (c1) {
            escape(byte);
            escape(static_cast<unsigned char>(name[++i]));
        } else if (byte < 0x20 || byte == 0x7F) {
            escape(byte);
        } else {
            shown += name[i];
        }
    }
    return shown;
}

}  // namespace platform
