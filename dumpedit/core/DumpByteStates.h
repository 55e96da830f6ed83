// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace dumpedit {

// How a byte is drawn besides selection and mark.
enum class ByteState : std::uint8_t {
    Unchanged,
    Changed,  // differs from the contents last loaded, saved or read
    Differs,  // reported different by a compare or verify; wins over Changed
};

// The reference contents and the reported differences of a buffer, so the painter learns each
// byte's state from one call.
class DumpByteStates {
public:
    // Takes the buffer's current contents as the reference. The differences stay: a save does
    // not change how the bytes compare with elsewhere.
    void Reset(const std::uint8_t* buffer, std::uint32_t size);
    // Takes bytes [first, last] of the buffer as reference (a partial read); ends beyond the
    // reference are cut.
    void Accept(const std::uint8_t* buffer, std::uint32_t first, std::uint32_t last);
    // Byte i differs when differences[i] is set; a shorter list leaves the rest not different.
    void SetDifferences(std::vector<bool> differences);
    void ClearDifferences() { differences_.clear(); }

    ByteState StateOf(std::uint32_t pos, std::uint8_t current) const
    {
        if (pos < differences_.size() && differences_[pos]) {
            return ByteState::Differs;
        }
        return pos < reference_.size() && reference_[pos] != current ? ByteState::Changed
                                                                     : ByteState::Unchanged;
    }

private:
    std::vector<std::uint8_t> reference_;
    std::vector<bool> differences_;
};

}  // namespace dumpedit
