// SPDX-License-Identifier: GPL-3.0-or-later
// The hex text of a paste and of Go to: the input is the text.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dumpedit/core/DumpHexText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    if (const auto parsed = dumpedit::ParseHexBytes(text)) {
        // Two digits make a byte: never more bytes than half the text, never none.
        if (parsed->empty() || parsed->size() > size / 2)
            __builtin_trap();
    }
    if (const auto address = dumpedit::ParseHexAddress(text, 256)) {
        if (*address >= 256)
            __builtin_trap();
    }
    return 0;
}
