// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/DumpComparison.h"

#include "operation/FormatText.h"
#include "operation/OperationRecord.h"
#include "operation/OperationSummary.h"

#include <algorithm>

namespace operation {

std::vector<std::uint32_t> DumpDifferences(std::span<const std::uint8_t> dump,
                                           std::span<const std::uint8_t> other)
{
    std::vector<std::uint32_t> differing;
    const std::size_t common = std::min(dump.size(), other.size());
    for (std::size_t address = 0; address < common; ++address) {
        if (dump[address] != other[address])
            differing.push_back(std::uint32_t(address));
    }
    return differing;
}

std::string FileComparisonSummary(const std::string& fileName, const std::vector<std::uint32_t>& differing,
                                  std::uint32_t compared)
{
    return FormatText(res::IDS_COMPARED_WITH_FILE, fileName, DifferenceStatusText(differing, compared));
}

std::string DumpSizeDetail(const std::string& fileName, std::uintmax_t size)
{
    return FormatPlaces(res::IDS_DUMP_SIZE_DETAIL,
                        {fileName, std::to_string(size), size == 1 ? "" : "s", std::to_string(kEepromBytes)});
}

}  // namespace operation
