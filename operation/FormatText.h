// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A string-table entry with its placeholders filled in: printf's ("%s", "%02X") or numbered ones
// ("%1", "%2"), as the entry has them.

#include "res/StringTable.h"

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

namespace operation {

namespace detail {
inline const char* PrintfArgument(const std::string& value)
{
    return value.c_str();
}
template <typename T>
T PrintfArgument(T value)
{
    return value;
}
}  // namespace detail

// printf's places; a std::string stands for a %s.
std::string FormatText(res::ResourceId id, const auto&... values)
{
    const std::string format = res::LoadString(id);
    const int size = std::snprintf(nullptr, 0, format.c_str(), detail::PrintfArgument(values)...);
    std::string text(std::size_t(size > 0 ? size : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, format.c_str(), detail::PrintfArgument(values)...);
    return text;
}

// "%1" is the first value, "%2" the second, ...; a value's own "%n" stays as it is. A place
// without a value stays too.
std::string FormatPlaces(res::ResourceId id, std::initializer_list<std::string_view> values);

}  // namespace operation
