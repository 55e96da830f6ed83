// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder tree that holds what other users must not read (EEPROM images), walked without ever
// following a symbolic link inside it: a link planted there, even in a tree of another user's
// that a privileged program was pointed at, cannot lead its files or its removals elsewhere.
// Every file operation names a file of this folder only; a name with a slash is refused.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace platform {

class PrivateFolder {
public:
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    // The folder at `path`, links in it followed: it is where the user's own settings put the
    // tree. With `create`, missing folders on the way are made, owner-only. Null with `error`.
    static std::unique_ptr<PrivateFolder> OpenBase(const std::string& path, bool create,
                                                   std::error_code& error);

    // The folder `name` in this one, never through a symbolic link (FileRefusal::Link); with
    // `create` made owner-only when missing. Null with `error`.
    std::unique_ptr<PrivateFolder> Open(const std::string& name, bool create, std::error_code& error) const;

    // Takes any access of the group and others away from this folder, when it is the running
    // user's (a folder of another user's stays as it is: only its owner may change it).
    std::error_code KeepPrivate();

    const std::string& Path() const { return path_; }

    // The regular files and the folders in it, by name, in no order; links and other kinds left out.
    std::vector<std::string> Files() const;
    std::vector<std::string> Folders() const;

    // Stores `bytes` as the new file `name`, owner-only, whole or not at all (written beside it,
    // flushed, then given the name): EEXIST, and nothing changed, when the name is taken.
    std::error_code CreateFile(const std::string& name, std::span<const std::uint8_t> bytes);
    // The same, in place of whatever has the name (a link there is itself replaced).
    std::error_code ReplaceFile(const std::string& name, std::span<const std::uint8_t> bytes);
    // The regular file `name` (not through a link), up to `maxBytes` of it.
    std::error_code ReadFile(const std::string& name, std::string& text, std::size_t maxBytes) const;
    // Removes the entry `name` of this folder unless it is a folder: a link goes, not what it
    // leads to.
    std::error_code RemoveFile(const std::string& name);

private:
    struct Handle;
    PrivateFolder(std::unique_ptr<Handle> handle, std::string path);
    std::vector<std::string> Entries(bool folders) const;
    std::error_code Store(const std::string& name, std::span<const std::uint8_t> bytes, bool replace);

    std::unique_ptr<Handle> handle_;
    std::string path_;
};

}  // namespace platform
