// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/BackupNames.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace operation {

namespace {

constexpr std::size_t kStampLength = 15;  // YYYYmmdd-HHMMSS
constexpr std::size_t kMaxFolderName = 100;
constexpr char kExtension[] = ".bin";
constexpr std::size_t kExtensionLength = sizeof kExtension - 1;

bool AllDigits(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// The stamp and the number in a backup's name; an empty stamp for any other name.
std::tuple<std::string, unsigned long> Taken(const std::string& name)
{
    if (name.size() < kStampLength + kExtensionLength || !name.ends_with(kExtension))
        return {};
    const std::string_view stem(name.data(), name.size() - kExtensionLength);
    if (!AllDigits(stem.substr(0, 8)) || stem[8] != '-' || !AllDigits(stem.substr(9, 6)))
        return {};
    unsigned long number = 1;
    if (stem.size() > kStampLength) {
        const std::string_view rest = stem.substr(kStampLength);
        if (rest[0] != '-' || !AllDigits(rest.substr(1)))
            return {};
        number = std::strtoul(std::string(rest.substr(1)).c_str(), nullptr, 10);
    }
    return {std::string(stem.substr(0, kStampLength)), number};
}

}  // namespace

std::string DeviceFolderName(const std::string& idText)
{
    std::string name;
    for (const char c : idText.substr(0, kMaxFolderName)) {
        const auto byte = static_cast<unsigned char>(c);
        name += std::isalnum(byte) || c == '-' || c == '_' || c == '.' ? c : '_';
    }
    // Leading dots would hide the folder, or make it "." or "..".
    for (char& c : name) {
        if (c != '.')
            break;
        c = '_';
    }
    return name.empty() ? std::string("unknown") : name;
}

std::string BackupFolderName(const std::string& idText, const device::DeviceIdBytes& idBytes)
{
    std::string name = DeviceFolderName(idText) + "_";
    for (const std::uint8_t byte : idBytes) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        name += hex;
    }
    return name;
}

std::string BackupFileName(const std::tm& local, unsigned number)
{
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return std::string(stamp) + (number > 1 ? "-" + std::to_string(number) : std::string()) + kExtension;
}

bool IsBackupFileName(const std::string& name)
{
    return !std::get<0>(Taken(name)).empty();
}

bool TakenBefore(const std::string& first, const std::string& second)
{
    return Taken(first) < Taken(second);
}

}  // namespace operation
