// SPDX-License-Identifier: GPL-3.0-or-later
// The texts that name addresses: a write's account, a compare's count, a verify's line.
#include <gtest/gtest.h>

#include "device/DeviceZaqTypes.h"
#include "operation/RangeText.h"

namespace {

using device::BytePlanned;
using device::ByteWritten;

TEST(RangeText, AddressRunsJoinOnlyNeighbours)
{
    EXPECT_EQ(operation::AddressRuns({}), "");
    EXPECT_EQ(operation::AddressRuns({0x7F}), "7F");
    EXPECT_EQ(operation::AddressRuns({0x00, 0x01, 0x02, 0x10, 0x12, 0x13, 0xFF}), "00 - 02, 10, 12 - 13, FF");
}

TEST(RangeText, WriteAccountNamesWrittenAndUnwrittenPlannedAddresses)
{
    std::uint8_t state[256] = {};
    EXPECT_EQ(operation::WriteAccountText(state, 0, 256), "No byte was written.");
    for (int a = 0; a < 256; ++a)
        state[a] = std::uint8_t(BytePlanned | (a <= 0x55 ? ByteWritten : 0));
    EXPECT_EQ(operation::WriteAccountText(state, 0, 256), "Bytes 00 - 55 were written, 56 - FF were not.");
    // Only the range counts.
    EXPECT_EQ(operation::WriteAccountText(state, 0x50, 0x10),
              "Bytes 50 - 55 were written, 56 - 5F were not.");

    // A changed-only write plans only the differing addresses; the others are neither.
    std::uint8_t changed[256] = {};
    changed[0x10] = BytePlanned | ByteWritten;
    changed[0x11] = BytePlanned | ByteWritten;
    changed[0x40] = BytePlanned;
    changed[0x7F] = BytePlanned;
    EXPECT_EQ(operation::WriteAccountText(changed, 0, 256), "Bytes 10 - 11 were written, 40, 7F were not.");
    changed[0x40] = changed[0x7F] = BytePlanned | ByteWritten;
    EXPECT_EQ(operation::WriteAccountText(changed, 0, 256),
              "Bytes 10 - 11, 40, 7F were written; reading them back did not finish.");

    // A write cut after its last step went out is neither written nor not.
    std::uint8_t cut[256] = {};
    for (int a = 0x40; a < 0x48; ++a)
        cut[a] = std::uint8_t(BytePlanned | (a < 0x42 ? ByteWritten : 0));
    cut[0x42] |= device::ByteWriteCut;
    EXPECT_EQ(operation::WriteAccountText(cut, 0x40, 8),
              "Bytes 40 - 41 were written, 43 - 47 were not. Byte 42 may or may not have been written.");
    EXPECT_EQ(operation::WriteAccountText(cut, 0x42, 1), "Byte 42 may or may not have been written.");
    EXPECT_EQ(operation::WriteAccountText(cut, 0x42, 6),
              "Bytes 43 - 47 were not written. Byte 42 may or may not have been written.");
    EXPECT_EQ(operation::WriteAccountText(cut, 0x40, 3),
              "Bytes 40 - 41 were written. Byte 42 may or may not have been written.");
}

TEST(RangeText, DifferencesAreCountedAndListedInOrder)
{
    std::uint8_t state[256] = {};
    state[0x10] = state[0x11] = state[0x7F] = device::ByteRead | device::ByteDiffers;
    state[0x20] = device::ByteRead;
    const auto differing = operation::DifferingAddresses(state, 0, 256);
    EXPECT_EQ(differing, (std::vector<std::uint32_t>{0x10, 0x11, 0x7F}));
    EXPECT_EQ(operation::DifferenceCountText(differing, 256), "3 bytes differ: 10, 11, 7F");
    EXPECT_EQ(operation::DifferenceCountText({0x7F}, 256), "1 byte differs: 7F");
    EXPECT_EQ(operation::DifferenceCountText({}, 16), "No byte differs (16 compared)");
    EXPECT_TRUE(operation::DifferingAddresses(state, 0x12, 0x10).empty());
    EXPECT_EQ(operation::VerifyDifferenceText(0x10, 0xAB, 0x00), "0x10: wrote AB, read 00");
}

}  // namespace
