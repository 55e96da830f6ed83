// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two dumps compared without a device: the window's "Compare with file..." and probex-cli diff.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace operation {

// The addresses whose bytes differ, in order. Dumps of unequal length are compared as far as the
// shorter one goes; the callers refuse such files first.
std::vector<std::uint32_t> DumpDifferences(std::span<const std::uint8_t> dump,
                                           std::span<const std::uint8_t> other);

// The status line after the window compared its dump with a file: "Compared with backup.bin: 3
// bytes differ: 10, 11, 7F", the list as short as after a device's compare.
std::string FileComparisonSummary(const std::string& fileName, const std::vector<std::uint32_t>& differing,
                                  std::uint32_t compared);

// Why a file is no dump, under "Wrong file size!": "backup.bin holds 255 bytes; a dump holds 256."
std::string DumpSizeDetail(const std::string& fileName, std::uintmax_t size);

}  // namespace operation
