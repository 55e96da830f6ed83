// SPDX-License-Identifier: GPL-3.0-or-later
// Regular files on Windows: opened by CreateFileW, handed on as a C library descriptor. A link at
// the name of a file written on the program's own account (a symbolic link or a junction, both
// reparse points) is opened itself, not followed, and turned down; so is anything that is not a
// file on a disk (a pipe, a console, a COM port, a folder).
#include "platform/RegularFile.h"

#include "platform/windows/WideText.h"
#include "platform/windows/Win32ErrorCategory.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace platform {

namespace {

class RefusalCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "regular file"; }
    // The front ends say it in the user's language; this is for logs and tests.
    std::string message(int value) const override
    {
        return FileRefusal(value) == FileRefusal::Link ? "a symbolic link" : "not a regular file";
    }
};

// What is at `path` when it could not be opened: a folder, or a link not to be followed.
std::error_code RefusalOfUnopened(const std::wstring& path, FileUse use)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return {};
    if (use != FileUse::Read && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return FileRefusal::Link;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return FileRefusal::NotRegular;
    return {};
}

std::error_code RefusalOfOpened(HANDLE file, FileUse use)
{
    if (GetFileType(file) != FILE_TYPE_DISK)
        return FileRefusal::NotRegular;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info))
        return LastWin32Error();
    if (use != FileUse::Read && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return FileRefusal::Link;
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return FileRefusal::NotRegular;
    return {};
}

}  // namespace

const std::error_category& FileRefusalCategory()
{
    static const RefusalCategory category;
    return category;
}

std::error_code make_error_code(FileRefusal refusal)
{
    return {int(refusal), FileRefusalCategory()};
}

// `newMode` has no Windows counterpart: a new file takes the access list of its folder, which
// under the user's profile is the user's own.
int OpenRegularFile(const std::string& path, FileUse use, std::error_code& error, unsigned)
{
    error.clear();
    const std::wstring wide = WideFromUtf8(path);
    // Append: FILE_APPEND_DATA without FILE_WRITE_DATA, so every write lands at the end.
    const DWORD access = use == FileUse::Read     ? GENERIC_READ
                         : use == FileUse::Append ? FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE
                                                  : GENERIC_WRITE | FILE_READ_ATTRIBUTES;
    const DWORD flags = FILE_ATTRIBUTE_NORMAL | (use == FileUse::Read ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    HANDLE file = CreateFileW(wide.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, use == FileUse::Read ? OPEN_EXISTING : OPEN_ALWAYS, flags, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const std::error_code failure = LastWin32Error();
        const std::error_code refusal = RefusalOfUnopened(wide, use);
        error = refusal ? refusal : failure;
        return -1;
    }
    if (const std::error_code refusal = RefusalOfOpened(file, use)) {
        CloseHandle(file);
        error = refusal;
        return -1;
    }
    // The handle itself is not inherited: CreateFileW was given no security attributes.
    const int fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(file),
                                   _O_BINARY | (use == FileUse::Append ? _O_APPEND : 0));
    if (fd < 0) {
        CloseHandle(file);
        error = std::make_error_code(std::errc::too_many_files_open);
    }
    return fd;
}

std::error_code WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const unsigned chunk = unsigned(std::min<std::size_t>(text.size(), 1u << 30));
        const int written = _write(fd, text.data(), chunk);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return {written == 0 ? ENOSPC : errno, std::generic_category()};
        text.remove_prefix(std::size_t(written));
    }
    return {};
}

void CloseFile(int fd)
{
    if (fd >= 0)
        _close(fd);
}

}  // namespace platform
