// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a file that must be a regular one: never held up by a FIFO, never acting on a device,
// and for files this program writes on its own account, never through a symbolic link planted
// at their name.

#include <string>
#include <string_view>
#include <system_error>

namespace platform {

enum class FileUse {
    Read,    // links followed: the user named the file
    Append,  // writes go to the end; created with the new-file mode when missing
    Write,   // written from the start, never emptied here: the caller empties it once it knows
             // the file is the one it means; created with the new-file mode when missing
};

// Why a file was turned down before anything was read from or written to it.
enum class FileRefusal {
    NotRegular = 1,  // a FIFO, a device, a socket or a folder
    Link,            // Append or Write: a symbolic link at the name, not followed
};
const std::error_category& FileRefusalCategory();
std::error_code make_error_code(FileRefusal refusal);

// A descriptor (blocking, close-on-exec) of the regular file at `path`, or -1 with `error` set:
// a FileRefusal, or the system's errno in the generic category. For Append and Write a file it
// creates gets `newMode` (less the umask).
int OpenRegularFile(const std::string& path, FileUse use, std::error_code& error, unsigned newMode = 0600);

// Writes all of `text` to the descriptor, interrupted writes resumed; the errno of a failure.
std::error_code WriteAll(int fd, std::string_view text);
// Closes a descriptor OpenRegularFile gave; -1 is let be.
void CloseFile(int fd);

}  // namespace platform

template <>
struct std::is_error_code_enum<platform::FileRefusal> : std::true_type {};
