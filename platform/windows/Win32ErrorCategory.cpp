// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/Win32ErrorCategory.h"

#include "platform/ErrorCodes.h"

#include <windows.h>

namespace platform {

namespace {

class Category : public std::error_category {
public:
    const char* name() const noexcept override { return "win32"; }
    std::string message(int value) const override { return ErrnoText(value); }
    std::error_condition default_error_condition(int value) const noexcept override
    {
        switch (DWORD(value)) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
            return std::errc::no_such_file_or_directory;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return std::errc::file_exists;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return std::errc::permission_denied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::errc::no_space_on_device;
        case ERROR_WRITE_PROTECT:
            return std::errc::read_only_file_system;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return std::errc::not_enough_memory;
        case ERROR_INVALID_PARAMETER:
        case ERROR_INVALID_NAME:
            return std::errc::invalid_argument;
        default:
            return {value, *this};
        }
    }
};

}  // namespace

const std::error_category& Win32ErrorCategory()
{
    static const Category category;
    return category;
}

std::error_code Win32Error(std::uint32_t code)
{
    return {static_cast<int>(code), Win32ErrorCategory()};
}

std::error_code LastWin32Error()
{
    return Win32Error(::GetLastError());
}

}  // namespace platform
