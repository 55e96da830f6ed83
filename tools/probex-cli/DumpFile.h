// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The EEPROM image file of probex-cli.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "operation/OperationRecord.h"
#include "platform/AtomicReplace.h"

namespace probexcli {

using Dump = std::array<std::uint8_t, operation::kEepromBytes>;

enum class DumpLoad {
    Loaded,
    Missing,
    WrongSize,
    Unusable
};

// The FILE of a read or a write. Open() checks it, before the device is touched, and loads it;
// after a read, Replace() puts the new dump in its place. A symbolic link is followed: the file
// it leads to is the one read and replaced, and the link stays. Every message names the path as
// the user gave it, its control characters escaped.
class DumpFile {
public:
    explicit DumpFile(std::string path);
    ~DumpFile();  // removes a temporary file that did not take the file's place
    DumpFile(const DumpFile&) = delete;
    DumpFile& operator=(const DumpFile&) = delete;

    // For a write (replace false) the file must be a readable regular file. For a read (replace
    // true) it must be a regular file open to reading and writing, or missing, and its folder
    // must take a new file: the temporary file is created here already. Never blocks: a FIFO
    // or a device is refused without being opened. error says why it was not Loaded: for
    // WrongSize, how long the file is.
    DumpLoad Open(bool replace, Dump& dump, std::string& error);

    // Replaces the file with the dump: written to the temporary file beside it, flushed to the
    // disk and renamed over it, so that readers see either the old file or the whole new one.
    // The new file keeps the permissions of the one it replaces; a new dump gets those of any
    // new document.
    bool Replace(const Dump& dump, std::string& error);

    // The file itself, links followed, once Open() has looked.
    const std::string& Target() const { return target_; }

private:
    bool FollowLinks(std::string& error);
    DumpLoad LoadTarget(bool replace, Dump& dump, std::string& error);

    std::string path_;                                      // as the user gave it
    std::string shown_;                                     // as messages show it
    std::string target_;                                    // the file itself: symbolic links followed
    std::string folder_;                                    // the target's folder
    std::unique_ptr<platform::AtomicReplace> replacement_;  // of a read's target, made by Open()
};

}  // namespace probexcli
