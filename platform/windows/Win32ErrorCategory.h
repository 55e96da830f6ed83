// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Win32 error codes as std::error_code: message() is the system's text with the number, and the
// codes that have a portable meaning compare equal to it (ERROR_FILE_EXISTS to
// std::errc::file_exists), so callers written against errno values work unchanged.
#include <cstdint>
#include <system_error>

namespace platform {

const std::error_category& Win32ErrorCategory();
std::error_code Win32Error(std::uint32_t code);
// The calling thread's last Win32 error.
std::error_code LastWin32Error();

}  // namespace platform
