// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageRegistry.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <string>

namespace platform {

std::uint32_t RegisterMessage(std::string_view name)
{
    if (name.empty())
        return 0;
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });

    static std::mutex mutex;
    static std::map<std::string, std::uint32_t> numbers;
    std::lock_guard lock(mutex);
    if (auto found = numbers.find(key); found != numbers.end())
        return found->second;
    const std::uint32_t next = kFirstRegisteredMessage + static_cast<std::uint32_t>(numbers.size());
    if (next > kLastRegisteredMessage)
        return 0;
    numbers.emplace(std::move(key), next);
    return next;
}

}  // namespace platform
