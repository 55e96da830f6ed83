// SPDX-License-Identifier: GPL-3.0-or-later
// The find query: the input is its UTF-16 code units, two bytes each; what it yields is looked
// for in a fixed dump from every start.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "dumpedit/core/DumpSearch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    std::u16string query;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        query.push_back(char16_t(bytes[i] | bytes[i + 1] << 8));
    const auto pattern = dumpedit::ParseFindQuery(query);
    if (!pattern)
        return 0;
    if (pattern->empty())
        __builtin_trap();  // an empty pattern would match everywhere
    static std::uint8_t dump[256];
    for (std::size_t i = 0; i < sizeof dump; ++i)
        dump[i] = std::uint8_t(i * 37);
    for (std::uint32_t from = 0; from <= sizeof dump; from += 64) {
        const auto hit = dumpedit::FindBytes(dump, sizeof dump, *pattern, from);
        if (hit && (*hit + pattern->size() > sizeof dump ||
                    !std::equal(pattern->begin(), pattern->end(), dump + *hit)))
            __builtin_trap();
    }
    return 0;
}
