// SPDX-License-Identifier: GPL-3.0-or-later
// The private folder tree on Windows. A folder under the user's profile (%LOCALAPPDATA%) is the
// user's alone by its inherited access list, so nothing is taken away here. Every folder of the
// tree stays open while in use, without FILE_SHARE_DELETE: it cannot be renamed or swapped for a
// link meanwhile, so its path keeps naming it. A reparse point (a symbolic link or a junction) in
// the tree is opened itself, never followed, and turned down.
#include "platform/PrivateFolder.h"

#include "platform/RegularFile.h"
#include "platform/windows/WideText.h"
#include "platform/windows/Win32ErrorCategory.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <windows.h>

// This file defines PrivateFolder::CreateFile and ::ReplaceFile; the A/W macros would rename them.
#undef CreateFile
#undef ReplaceFile

namespace platform {

namespace {

// One name of this folder: never a path, a drive, a stream, the folder itself or its parent.
bool IsPlainName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string::npos;
}

std::wstring Child(const std::string& folder, const std::string& name)
{
    return WideFromUtf8(folder + "\\" + name);
}

HANDLE OpenFolder(const std::wstring& path, bool follow)
{
    return CreateFileW(path.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | (follow ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
}

// What an opened folder handle leads to: a folder, else a link or something else.
std::error_code RefusalOfFolder(HANDLE folder)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(folder, &info))
        return LastWin32Error();
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return FileRefusal::Link;
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return Win32Error(ERROR_DIRECTORY);
    return {};
}

bool WriteWhole(HANDLE file, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr))
            return false;
        if (written == 0) {
            ::SetLastError(ERROR_DISK_FULL);
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

struct PrivateFolder::Handle {
    explicit Handle(HANDLE opened) : folder(opened) {}
    ~Handle() { CloseHandle(folder); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE folder;
};

PrivateFolder::PrivateFolder(std::unique_ptr<Handle> handle, std::string path)
    : handle_(std::move(handle)), path_(std::move(path))
{}

PrivateFolder::~PrivateFolder() = default;

std::unique_ptr<PrivateFolder> PrivateFolder::OpenBase(const std::string& path, bool create,
                                                       std::error_code& error)
{
    const std::wstring wide = WideFromUtf8(path);
    HANDLE folder = OpenFolder(wide, true);
    if (folder == INVALID_HANDLE_VALUE && create) {
        // Folder after folder from the top; those already there, links included, are the user's.
        for (std::size_t slash = wide.find_first_of(L"\\/", 1);;
             slash = wide.find_first_of(L"\\/", slash + 1)) {
            const std::wstring part = wide.substr(0, slash);
            // "C:" names a drive, not a folder to make.
            if (!(part.size() == 2 && part[1] == L':') && !CreateDirectoryW(part.c_str(), nullptr) &&
                ::GetLastError() != ERROR_ALREADY_EXISTS && ::GetLastError() != ERROR_ACCESS_DENIED)
                break;
            if (slash == std::wstring::npos)
                break;
        }
        folder = OpenFolder(wide, true);
    }
    if (folder == INVALID_HANDLE_VALUE) {
        error = LastWin32Error();
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(folder, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        error = Win32Error(ERROR_DIRECTORY);
        CloseHandle(folder);
        return nullptr;
    }
    error.clear();
    return std::unique_ptr<PrivateFolder>(new PrivateFolder(std::make_unique<Handle>(folder), path));
}

std::unique_ptr<PrivateFolder> PrivateFolder::Open(const std::string& name, bool create,
                                                   std::error_code& error) const
{
    if (!IsPlainName(name)) {
        error = std::make_error_code(std::errc::invalid_argument);
        return nullptr;
    }
    const std::wstring wide = Child(path_, name);
    if (create && !CreateDirectoryW(wide.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
        error = LastWin32Error();
        return nullptr;
    }
    HANDLE folder = OpenFolder(wide, false);
    if (folder == INVALID_HANDLE_VALUE) {
        error = LastWin32Error();
        return nullptr;
    }
    if ((error = RefusalOfFolder(folder))) {
        CloseHandle(folder);
        return nullptr;
    }
    return std::unique_ptr<PrivateFolder>(
        new PrivateFolder(std::make_unique<Handle>(folder), path_ + "\\" + name));
}

std::error_code PrivateFolder::KeepPrivate()
{
    return {};
}

std::vector<std::string> PrivateFolder::Files() const
{
    return Entries(false);
}

std::vector<std::string> PrivateFolder::Folders() const
{
    return Entries(true);
}

std::vector<std::string> PrivateFolder::Entries(bool folders) const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry{};
    HANDLE listing = FindFirstFileW(Child(path_, "*").c_str(), &entry);
    if (listing == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = Utf8FromWide(entry.cFileName);
        const DWORD attributes = entry.dwFileAttributes;
        if (!IsPlainName(name) || (attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) != 0)
            continue;
        if (((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folders)
            names.push_back(name);
    } while (FindNextFileW(listing, &entry));
    FindClose(listing);
    return names;
}

std::error_code PrivateFolder::CreateFile(const std::string& name, std::span<const std::uint8_t> bytes)
{
    return Store(name, bytes, false);
}

std::error_code PrivateFolder::ReplaceFile(const std::string& name, std::span<const std::uint8_t> bytes)
{
    return Store(name, bytes, true);
}

std::error_code PrivateFolder::Store(const std::string& name, std::span<const std::uint8_t> bytes,
                                     bool replace)
{
    if (!IsPlainName(name))
        return std::make_error_code(std::errc::invalid_argument);
    std::random_device random;
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", unsigned(random()));
        temporary = Child(path_, std::string(".probex-") + suffix);
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS &&
            ::GetLastError() != ERROR_ALREADY_EXISTS)
            return LastWin32Error();
    }
    if (file == INVALID_HANDLE_VALUE)
        return Win32Error(ERROR_FILE_EXISTS);
    bool done = WriteWhole(file, bytes) && FlushFileBuffers(file);
    std::error_code error = done ? std::error_code() : LastWin32Error();
    if (!CloseHandle(file) && done) {
        done = false;
        error = LastWin32Error();
    }
    // Without MOVEFILE_REPLACE_EXISTING a file there, even one put there meanwhile, stays and the
    // move fails; with it, a link at the name is replaced itself.
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (done && !MoveFileExW(temporary.c_str(), Child(path_, name).c_str(), flags)) {
        done = false;
        error = LastWin32Error();
    }
    if (!done)
        DeleteFileW(temporary.c_str());
    return done ? std::error_code() : error;
}

std::error_code PrivateFolder::ReadFile(const std::string& name, std::string& text,
                                        std::size_t maxBytes) const
{
    text.clear();
    if (!IsPlainName(name))
        return std::make_error_code(std::errc::invalid_argument);
    HANDLE file = CreateFileW(Child(path_, name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return LastWin32Error();
    BY_HANDLE_FILE_INFORMATION info{};
    std::error_code error;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
        error = std::make_error_code(std::errc::invalid_argument);
    } else {
        text.resize(maxBytes);
        std::size_t size = 0;
        DWORD got = 1;
        while (size < maxBytes && got > 0) {
            const DWORD chunk = DWORD(std::min<std::size_t>(maxBytes - size, 1u << 30));
            if (!::ReadFile(file, text.data() + size, chunk, &got, nullptr)) {
                error = LastWin32Error();
                break;
            }
            size += got;
        }
        text.resize(error ? 0 : size);
    }
    CloseHandle(file);
    return error;
}

std::error_code PrivateFolder::RemoveFile(const std::string& name)
{
    if (!IsPlainName(name))
        return std::make_error_code(std::errc::invalid_argument);
    const std::wstring wide = Child(path_, name);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return LastWin32Error();
    // A link to a folder (or a junction) is itself a folder entry: RemoveDirectoryW takes the link
    // away, not what it leads to. A real folder is not this call's to remove.
    const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (folder && !link)
        return std::make_error_code(std::errc::is_a_directory);
    if (!(folder ? RemoveDirectoryW(wide.c_str()) : DeleteFileW(wide.c_str())))
        return LastWin32Error();
    return {};
}

}  // namespace platform
