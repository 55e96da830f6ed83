// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/RangeText.h"

#include "device/DeviceZaqTypes.h"
#include "operation/FormatText.h"

#include <cstdio>

namespace operation {

namespace {

std::string Hex(std::uint32_t address)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02X", unsigned(address));
    return text;
}

std::string Joined(const std::vector<std::uint32_t>& addresses)
{
    std::string text;
    for (const std::uint32_t address : addresses)
        text += (text.empty() ? "" : ", ") + Hex(address);
    return text;
}

}  // namespace

std::string AddressRuns(const std::vector<std::uint32_t>& addresses)
{
    std::string text;
    for (std::size_t i = 0; i < addresses.size();) {
        std::size_t last = i;
        while (last + 1 < addresses.size() && addresses[last + 1] == addresses[last] + 1)
            ++last;
        text += (text.empty() ? "" : ", ") + Hex(addresses[i]);
        if (last > i)
            text += " - " + Hex(addresses[last]);
        i = last + 1;
    }
    return text;
}

std::string WriteAccountText(const std::uint8_t* byteState, std::uint32_t start, std::uint32_t count)
{
    std::vector<std::uint32_t> written;
    std::vector<std::uint32_t> notWritten;
    std::vector<std::uint32_t> uncertain;
    for (std::uint32_t address = start; address < start + count; ++address) {
        const std::uint8_t state = byteState[address];
        if (!(state & device::BytePlanned))
            continue;
        if (state & device::ByteWritten) {
            written.push_back(address);
        } else {
            (state & device::ByteWriteCut ? uncertain : notWritten).push_back(address);
        }
    }
    if (!uncertain.empty()) {
        // Its fourth step went out unanswered: calling it either written or not could be wrong.
        std::string text;
        if (!written.empty() && !notWritten.empty()) {
            text = FormatText(res::IDS_WRITTEN_RUNS, AddressRuns(written).c_str(),
                              AddressRuns(notWritten).c_str()) +
                   " ";
        } else if (!written.empty()) {
            text = FormatText(res::IDS_WRITTEN_LIST, AddressRuns(written).c_str()) + " ";
        } else if (!notWritten.empty()) {
            text = FormatText(res::IDS_NOT_WRITTEN_LIST, AddressRuns(notWritten).c_str()) + " ";
        }
        return text + FormatText(res::IDS_WRITE_UNCERTAIN, AddressRuns(uncertain).c_str());
    }
    if (written.empty())
        return res::LoadString(res::IDS_WRITTEN_NONE);
    if (notWritten.empty())
        return FormatText(res::IDS_WRITTEN_ALL, AddressRuns(written).c_str());
    return FormatText(res::IDS_WRITTEN_RUNS, AddressRuns(written).c_str(), AddressRuns(notWritten).c_str());
}

std::vector<std::uint32_t> DifferingAddresses(const std::uint8_t* byteState, std::uint32_t start,
                                              std::uint32_t count)
{
    std::vector<std::uint32_t> differing;
    for (std::uint32_t address = start; address < start + count; ++address) {
        if (byteState[address] & device::ByteDiffers)
            differing.push_back(address);
    }
    return differing;
}

std::string DifferenceCountText(const std::vector<std::uint32_t>& differing, std::uint32_t compared)
{
    if (differing.empty())
        return FormatText(res::IDS_NO_BYTE_DIFFERS, unsigned(compared));
    if (differing.size() == 1)
        return FormatText(res::IDS_ONE_BYTE_DIFFERS, Joined(differing).c_str());
    return FormatText(res::IDS_BYTES_DIFFER, unsigned(differing.size()), Joined(differing).c_str());
}

std::string VerifyDifferenceText(std::uint32_t address, std::uint8_t wrote, std::uint8_t read)
{
    return FormatText(res::IDS_VERIFY_DIFFERENCE, unsigned(address), unsigned(wrote), unsigned(read));
}

}  // namespace operation
