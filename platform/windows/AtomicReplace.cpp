// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file whole on Windows: a new file beside the target, written, flushed to the disk
// (FlushFileBuffers), closed, and moved over the target with write-through.
#include "platform/AtomicReplace.h"

#include "platform/windows/WideText.h"
#include "platform/windows/Win32ErrorCategory.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <windows.h>

// This file defines platform::ReplaceFile; the A/W macro would rename it.
#undef ReplaceFile

namespace platform {

namespace {

constexpr char kTemporaryPrefix[] = ".probex-";

class RefusalCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "replace"; }
    std::string message(int) const override { return "refused"; }
};

std::string FolderOfTarget(const std::string& target)
{
    const std::filesystem::path parent = std::filesystem::path(WideFromUtf8(target)).parent_path();
    return parent.empty() ? std::string(".") : Utf8FromWide(parent.wstring());
}

}  // namespace

const std::error_category& ReplaceRefusalCategory()
{
    // Owners and sticky folders are POSIX matters: nothing is refused here.
    static const RefusalCategory category;
    return category;
}

std::error_code make_error_code(ReplaceRefusal refusal)
{
    return {int(refusal), ReplaceRefusalCategory()};
}

AtomicReplace::AtomicReplace(std::string target, bool replace)
    : target_(std::move(target)), folder_(FolderOfTarget(target_)), replace_(replace)
{}

AtomicReplace::~AtomicReplace()
{
    Drop();
}

std::error_code AtomicReplace::Prepare()
{
    if (file_)
        return {};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = folder_ + "\\" + kTemporaryPrefix;
        for (int i = 0; i < 6; ++i)
            name += kLetters[random() % (sizeof kLetters - 1)];
        HANDLE file = CreateFileW(WideFromUtf8(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            file_ = file;
            name_ = name;
            return {};
        }
        if (::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS)
            return LastWin32Error();
    }
    return Win32Error(ERROR_FILE_EXISTS);
}

bool AtomicReplace::Fill(std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file_, bytes.data() + done, chunk, &written, nullptr))
            return false;
        if (written == 0) {
            ::SetLastError(ERROR_DISK_FULL);
            return false;
        }
        done += written;
    }
    return FlushFileBuffers(file_) != 0;
}

std::error_code AtomicReplace::Commit(std::span<const std::uint8_t> bytes)
{
    if (const std::error_code error = Prepare())
        return error;
    bool done = Fill(bytes);
    std::error_code error = done ? std::error_code() : LastWin32Error();
    if (!CloseHandle(file_) && done) {
        error = LastWin32Error();
        done = false;
    }
    file_ = nullptr;
    // Without MOVEFILE_REPLACE_EXISTING a file already there stays, and the move fails.
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace_ ? MOVEFILE_REPLACE_EXISTING : 0);
    if (done && !MoveFileExW(WideFromUtf8(name_).c_str(), WideFromUtf8(target_).c_str(), flags)) {
        error = LastWin32Error();
        done = false;
    }
    if (!done) {
        Drop();
        return error;
    }
    name_.clear();
    return {};
}

void AtomicReplace::Drop()
{
    if (file_)
        CloseHandle(file_);
    file_ = nullptr;
    if (!name_.empty())
        DeleteFileW(WideFromUtf8(name_).c_str());
    name_.clear();
}

std::error_code KeepOwnerOf(const std::string&, int)
{
    return {};
}

std::error_code ReplaceFile(const std::string& target, std::span<const std::uint8_t> bytes)
{
    return AtomicReplace(target).Commit(bytes);
}

std::error_code CreateNewFile(const std::string& target, std::span<const std::uint8_t> bytes)
{
    return AtomicReplace(target, false).Commit(bytes);
}

}  // namespace platform
