// SPDX-License-Identifier: GPL-3.0-or-later
// probex-cli's dump-file loader. Input: a byte of choices (a read's FILE or a write's, reached
// directly or through a symbolic link, or missing), then the file's content.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "tools/probex-cli/DumpFile.h"

namespace {

// A private folder for the process's files, made once.
const std::string& Folder()
{
    static const std::string folder = [] {
        const char* base = std::getenv("TMPDIR");
        std::string name = std::string(base && *base ? base : "/tmp") + "/probex-fuzz-XXXXXX";
        if (!mkdtemp(name.data()))
            std::abort();
        return name;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    if (size < 1)
        return 0;
    const bool replace = bytes[0] & 0x01;
    const bool viaLink = bytes[0] & 0x02;
    const bool missing = bytes[0] & 0x04;
    const std::string file = Folder() + "/dump.bin";
    const std::string link = Folder() + "/link.bin";
    unlink(file.c_str());
    unlink(link.c_str());
    if (!missing) {
        const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0 || write(fd, bytes + 1, size - 1) != ssize_t(size - 1))
            std::abort();
        close(fd);
    }
    if (viaLink && symlink("dump.bin", link.c_str()) != 0)
        std::abort();

    probexcli::Dump dump{};
    dump.fill(0xA5);
    std::string error;
    probexcli::DumpFile dumpFile(viaLink ? link : file);
    const probexcli::DumpLoad load = dumpFile.Open(replace, dump, error);
    const bool whole = !missing && size - 1 == dump.size();
    switch (load) {
    case probexcli::DumpLoad::Loaded:
        if (!whole || !std::equal(dump.begin(), dump.end(), bytes + 1))
            __builtin_trap();
        break;
    case probexcli::DumpLoad::Missing:
        if (!missing)
            __builtin_trap();
        break;
    case probexcli::DumpLoad::WrongSize:
        if (missing || whole)
            __builtin_trap();
        break;
    case probexcli::DumpLoad::Unusable:
        __builtin_trap();  // a plain file of ours is always usable
    }
    return 0;
}
