#pragma once
// The 256-byte EEPROM image file of probex-cli.

#include <array>
#include <cstdint>
#include <string>

namespace probexcli {

using Dump = std::array<std::uint8_t, 256>;

enum class DumpLoad {
    Loaded,
    Missing,
    WrongSize,
    Unreadable
};

DumpLoad LoadDump(const std::string& path, Dump& dump, std::string& error);

// Replaces path with the dump: written to a temporary file beside it, flushed to the disk and
// renamed over it, so that readers see either the old file or the whole new one.
bool SaveDumpAtomically(const std::string& path, const Dump& dump, std::string& error);

}  // namespace probexcli
