// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dumpedit {

// The name of the clipboard format carrying raw bytes.
inline constexpr char kBinaryDataFormat[] = "BinaryData";

// The raw-bytes block: a little-endian 32-bit count, then the bytes; exactly count + 4 bytes.
std::vector<std::uint8_t> EncodeBinaryBlock(const std::uint8_t* bytes, std::uint32_t count);

// The bytes a block carries. A count larger than the block is cut to the bytes present;
// a block too short to hold a count carries nothing (empty).
struct BinaryBlockView {
    const std::uint8_t* bytes = nullptr;
    std::uint32_t count = 0;
};

std::optional<BinaryBlockView> DecodeBinaryBlock(const std::vector<std::uint8_t>& block);

// The text form of a selection: two upper-case digits per byte, single spaces, a line feed
// after every line. Lines follow the rows; a selection longer than a row plus one byte keeps
// its first byte's column, so the columns line up with the dump.
std::string SelectionText(const std::uint8_t* buffer, std::uint32_t first, std::uint32_t last,
                          std::uint32_t bytesPerRow);

}  // namespace dumpedit
