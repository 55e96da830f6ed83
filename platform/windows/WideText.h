// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8, the program's text, to and from UTF-16, the text of the Win32 calls.
#include <string>
#include <string_view>

namespace platform {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

}  // namespace platform
