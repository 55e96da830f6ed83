// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file whole or not at all: the new content goes to a temporary file beside it,
// reaches the disk, and is renamed over it, so that a reader sees either the old file or the
// whole new one, and a crash leaves one of the two. On Windows the rename is MoveFileExW with
// write-through, after FlushFileBuffers; files there have no owner or mode to keep.

#include <cstdint>
#include <span>
#include <string>
#include <system_error>
#ifndef _WIN32
#include <sys/types.h>
#endif

namespace platform {

#ifndef _WIN32

// What a replacement keeps of the file it replaces.
struct KeptAttributes {
    mode_t mode = 0;  // permission bits, set-id and sticky bits included
    bool existed = false;
    uid_t owner = 0;  // of the file replaced, when there was one
    gid_t group = 0;
};

// The attributes the replacement of `target` takes: those of the file there, or those of any
// new file (0666 less the umask, the caller's owner and group) when there is none.
KeptAttributes AttributesToKeep(const std::string& target);
#endif

// Why a replacement is refused though the folder takes new files; their message() says it.
enum class ReplaceRefusal {
    OwnerNotKept = 1,  // the new file could not have the owner and group of the old one
    StickyFolder,      // the folder lets only the file's owner replace it
};
const std::error_category& ReplaceRefusalCategory();
std::error_code make_error_code(ReplaceRefusal refusal);

// For a temporary file made by other means (a Qt save) that is to replace `target`: refused when
// the folder is sticky and `target` another user's, or when the file open at `fd` cannot be given
// the owner and group of `target`; otherwise given them. Windows: nothing to keep, never refused.
std::error_code KeepOwnerOf(const std::string& target, int fd);

// One replacement of `target`. A symbolic link at `target` is itself replaced; callers that mean
// the file it leads to pass that file. Errors are errno values in the generic category (Win32
// codes in Win32ErrorCategory on Windows, which compare equal to their std::errc), so message()
// is the system's own text.
class AtomicReplace {
public:
    // With `replace` false a file already at `target` stays, and Commit() fails with EEXIST.
    explicit AtomicReplace(std::string target, bool replace = true);
    ~AtomicReplace();  // removes a temporary file that did not take the target's place
    AtomicReplace(const AtomicReplace&) = delete;
    AtomicReplace& operator=(const AtomicReplace&) = delete;

    // Creates the temporary file now: proof, before any costly work, that the folder takes a new
    // file and that the replacement can keep the owner and group of the file there (a sticky
    // folder is looked at first). Commit() does it itself when this was not called.
    std::error_code Prepare();

    // Writes `bytes` to the temporary file, flushes it to the disk, gives it the kept attributes
    // and renames it over the target. On failure the target is as it was and no temporary file
    // is left. A file is never given another owner or group: where they cannot be kept the
    // replacement is refused, so set-id bits never reach a file of another owner.
    std::error_code Commit(std::span<const std::uint8_t> bytes);

private:
#ifdef _WIN32
    bool Fill(std::span<const std::uint8_t> bytes);
    void* file_ = nullptr;  // the temporary file's handle while it is open
#else
    KeptAttributes Kept() const;
    bool CreateNamed();
    bool NameNameless();
    bool Fill(std::span<const std::uint8_t> bytes, const KeptAttributes& kept);
    bool Place();  // the finished temporary file takes the target's name; errno tells a failure
    int fd_ = -1;
#endif
    void Drop();

    std::string target_;
    std::string folder_;
    bool replace_ = true;
    std::string name_;  // empty while the temporary file has no name (O_TMPFILE)
};

// Prepare() and Commit() at once.
std::error_code ReplaceFile(const std::string& target, std::span<const std::uint8_t> bytes);
// The same for a file that must be new: EEXIST, and nothing changed, when `target` is taken, even
// by a file that another process put there meanwhile.
std::error_code CreateNewFile(const std::string& target, std::span<const std::uint8_t> bytes);

}  // namespace platform

template <>
struct std::is_error_code_enum<platform::ReplaceRefusal> : std::true_type {};
