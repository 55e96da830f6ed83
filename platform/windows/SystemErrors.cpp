// SPDX-License-Identifier: GPL-3.0-or-later
// The system's own numbers and texts behind the codes: on Windows the codes are the system's
// numbers, and FormatMessage has their texts.
#include "platform/ErrorCodes.h"
#include "platform/windows/WideText.h"

#include <cstdio>
#include <windows.h>

namespace platform {

namespace {

// The system's text of `code` in the user's language, without the full stop and line break it
// ends in (a message puts the number after it, and its own stop after that); empty when the
// system has none.
std::string MessageOf(std::uint32_t code)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr)
        return {};
    std::wstring text(buffer, length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    if (!text.empty() && text.back() == L'.')
        text.pop_back();
    return Utf8FromWide(text);
}

std::string NumberOf(std::uint32_t code)
{
    char number[16];
    // HRESULTs read best in hex, as the system's tools show them.
    std::snprintf(number, sizeof number, code >= 0x80000000u ? "0x%08X" : "%u", code);
    return number;
}

}  // namespace

int ErrnoOfCode(std::uint32_t code)
{
    return static_cast<int>(code);
}

std::optional<std::string> ErrorText(std::uint32_t code)
{
    const std::string text = MessageOf(code);
    if (text.empty())
        return std::nullopt;
    return text + " (" + NumberOf(code) + ")";
}

std::string ErrnoText(int err)
{
    const auto code = static_cast<std::uint32_t>(err);
    if (auto text = ErrorText(code))
        return *text;
    return "Unknown error " + NumberOf(code);
}

}  // namespace platform
