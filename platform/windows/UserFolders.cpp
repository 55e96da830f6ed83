// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user folders on Windows: settings and the port list's choices roam with the user
// (%APPDATA%), data and state stay on the machine (%LOCALAPPDATA%).
#include "platform/UserFolders.h"

#include "platform/windows/WideText.h"

#include <cwchar>
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

namespace platform {

namespace {

// The variable when it holds an absolute path (a drive or a network share), as a user or a test
// may set it for this process; else the folder the system knows.
std::string KnownFolder(const wchar_t* variable, const KNOWNFOLDERID& id)
{
    if (const wchar_t* value = _wgetenv(variable);
        value && std::wcslen(value) >= 3 &&
        ((value[1] == L':' && (value[2] == L'\\' || value[2] == L'/')) ||
         (value[0] == L'\\' && value[1] == L'\\')))
        return Utf8FromWide(value);
    wchar_t* path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path)) && path)
        folder = Utf8FromWide(path);
    CoTaskMemFree(path);
    return folder;
}

}  // namespace

std::string HomeFolder()
{
    return KnownFolder(L"USERPROFILE", FOLDERID_Profile);
}

std::string UserFolder(FolderKind kind)
{
    if (kind == FolderKind::Config)
        return KnownFolder(L"APPDATA", FOLDERID_RoamingAppData);
    return KnownFolder(L"LOCALAPPDATA", FOLDERID_LocalAppData);
}

std::string ProgramFolder(FolderKind kind)
{
    return UserFolder(kind) + "\\" + kProgramFolderName;
}

}  // namespace platform
