// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpByteStates.h"

#include <algorithm>

namespace dumpedit {

void DumpByteStates::Reset(const std::uint8_t* buffer, std::uint32_t size)
{
    if (buffer == nullptr) {
        reference_.clear();
    } else {
        reference_.assign(buffer, buffer + size);
    }
}

void DumpByteStates::Accept(const std::uint8_t* buffer, std::uint32_t first, std::uint32_t last)
{
    if (buffer == nullptr || first > last || first >= reference_.size()) {
        return;
    }
    const size_t end = std::min<size_t>(size_t{last} + 1, reference_.size());
    std::copy(buffer + first, buffer + end, reference_.begin() + first);
}

void DumpByteStates::SetDifferences(std::vector<bool> differences)
{
    differences_ = std::move(differences);
}

}  // namespace dumpedit
