// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A string-table entry with its printf placeholders filled in.

#include "res/StringTable.h"

#include <cstdio>
#include <string>

namespace operation {

std::string FormatText(res::ResourceId id, auto... values)
{
    const std::string format = res::LoadString(id);
    const int size = std::snprintf(nullptr, 0, format.c_str(), values...);
    std::string text(std::size_t(size > 0 ? size : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, format.c_str(), values...);
    return text;
}

}  // namespace operation
