// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Error codes of the device link. The numbers are the ones the serial and thread classes
// report to their callers (the Win32 numbering). Behind each code stands the system's own number:
// on POSIX an errno value, whose text (strerror) is what a person reads; on Windows the Win32
// code itself, read as its FormatMessage text followed by the number.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

inline constexpr std::uint32_t kErrorSuccess = 0;
inline constexpr std::uint32_t kErrorInvalidFunction = 1;
inline constexpr std::uint32_t kErrorFileNotFound = 2;
inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorInvalidHandle = 6;
inline constexpr std::uint32_t kErrorNotEnoughMemory = 8;
inline constexpr std::uint32_t kErrorGenFailure = 31;
inline constexpr std::uint32_t kErrorInvalidParameter = 87;
inline constexpr std::uint32_t kStillActive = 259;
inline constexpr std::uint32_t kErrorOperationAborted = 995;
inline constexpr std::uint32_t kErrorIoIncomplete = 996;
inline constexpr std::uint32_t kErrorIoPending = 997;
inline constexpr std::uint32_t kErrorIoDevice = 1117;
inline constexpr std::uint32_t kErrorPossibleDeadlock = 1131;
inline constexpr std::uint32_t kErrorAlreadyInitialized = 1247;
inline constexpr std::uint32_t kErrorTimeout = 1460;
inline constexpr std::uint32_t kEInvalidArg = 0x80070057;

// The one place where errno values become error codes. Anything without a closer match is
// kErrorGenFailure.
std::uint32_t ErrorFromErrno(int err);

// The system number a code stands for: POSIX, the closest errno (several share a code), or 0 for a
// code of no errno; Windows, the code.
int ErrnoOfCode(std::uint32_t code);

// The system's text of a code's system number, or nothing for a code the system has no text for.
std::optional<std::string> ErrorText(std::uint32_t code);

// The system's text of a system number, in the user's language: strerror ("Permission denied")
// on POSIX, FormatMessage with the number on Windows ("Access is denied (5)").
std::string ErrnoText(int err);

// Per-thread code of the last failed platform call, as the serial backend reports it.
std::uint32_t GetLastError();
// Sets the code; the errno behind it becomes ErrnoOfCode(code).
void SetLastError(std::uint32_t code);
// Sets the code of `err` and keeps `err` itself, which the code alone cannot tell apart
// (EACCES and EBUSY are both kErrorAccessDenied).
void SetLastErrorFromErrno(int err);
// The errno behind `code`: the one kept with it when it is the thread's last error, else
// ErrnoOfCode(code).
int SystemErrno(std::uint32_t code);

}  // namespace platform
