// SPDX-License-Identifier: GPL-3.0-or-later
// Two dumps compared without a device.
#include "operation/DumpComparison.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace operation;

TEST(DumpComparison, FindsEveryDifferingAddressAndSaysSoAsTheDeviceCompareDoes)
{
    std::array<std::uint8_t, 256> dump{};
    std::array<std::uint8_t, 256> few = dump;
    few[0x00] = 1;
    few[0x11] = 0xAB;
    few[0xFF] = 0x80;
    std::array<std::uint8_t, 256> many = dump;
    for (std::size_t a = 0x20; a < 0x30; ++a)
        many[a] = 0xFF;
    const struct {
        const char* what;
        std::span<const std::uint8_t> other;
        std::vector<std::uint32_t> differing;
        const char* summary;
    } cases[] = {
        {"equal", dump, {}, "Compared with b.bin: No byte differs (256 compared)"},
        {"first, middle and last",
         few,
         {0x00, 0x11, 0xFF},
         "Compared with b.bin: 3 bytes differ: 00, 11, FF"},
        {"more than the status line lists",
         many,
         {0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F},
         "Compared with b.bin: 16 bytes differ: 20, 21, 22, 23, 24, 25, 26, 27, ..."},
        {"a shorter one, as far as it goes", std::span(few).first(0x12), {0x00, 0x11}, nullptr},
    };
    for (const auto& c : cases) {
        const std::vector<std::uint32_t> differing = DumpDifferences(dump, c.other);
        EXPECT_EQ(differing, c.differing) << c.what;
        if (c.summary) {
            EXPECT_EQ(FileComparisonSummary("b.bin", differing, 256), c.summary) << c.what;
        }
    }
}

}  // namespace
