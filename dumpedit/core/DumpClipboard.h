// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dumpedit {

// The system clipboard as the dump editor uses it: the raw-bytes block and a text form offered
// together, the raw-bytes block read back, and the text read for a paste of hex text. Tests
// substitute their own.
class IDumpClipboard {
public:
    virtual ~IDumpClipboard() = default;

    // Replaces the clipboard's content with both forms at once.
    virtual void Offer(const std::vector<std::uint8_t>& binaryBlock, const std::string& text) = 0;
    virtual bool HasBinaryData() const = 0;
    // The raw-bytes block, or empty when the clipboard holds none.
    virtual std::optional<std::vector<std::uint8_t>> BinaryData() const = 0;
    // The plain text as Latin-1 (other characters as '?'), or empty when there is none.
    virtual std::optional<std::string> Text() const = 0;
};

}  // namespace dumpedit
