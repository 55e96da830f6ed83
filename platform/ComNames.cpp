// SPDX-License-Identifier: GPL-3.0-or-later
// COM names as text, the same on every system.
#include "platform/PortNames.h"

#include <algorithm>
#include <cctype>

namespace platform {

unsigned ComNumber(const std::string& name)
{
    if (name.size() < 4 || name.size() > 12)
        return 0;
    for (size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i])
            return 0;
    }
    const std::string digits = name.substr(3);
    if (!std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
        return 0;
    if (digits.front() == '0')
        return 0;
    const unsigned long n = std::stoul(digits);
    return n > 0xFFFF ? 0 : static_cast<unsigned>(n);
}

std::string ComName(unsigned n)
{
    return "COM" + std::to_string(n);
}

bool IsComName(const std::string& name)
{
    return ComNumber(name) != 0;
}

std::string CanonicalComName(const std::string& name)
{
    const unsigned n = ComNumber(name);
    return n == 0 ? std::string() : ComName(n);
}

}  // namespace platform
