// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>

#include "dumpedit/core/DumpCaretStatus.h"
#include "dumpedit/core/DumpClipboardFormat.h"
#include "dumpedit/core/DumpHexText.h"
#include "dumpedit/core/DumpSearch.h"

using namespace dumpedit;
using Bytes = std::vector<std::uint8_t>;

TEST(DumpHexText, DigitPairsWithOrWithoutBlanks)
{
    EXPECT_EQ(ParseHexBytes("3F A0 1B"), (Bytes{0x3F, 0xA0, 0x1B}));
    EXPECT_EQ(ParseHexBytes("3fa01b"), (Bytes{0x3F, 0xA0, 0x1B}));
    EXPECT_EQ(ParseHexBytes("  3F\tA0\r\n1b \n"), (Bytes{0x3F, 0xA0, 0x1B}));
    // The editor's own copy text, first line indented to its column.
    std::array<std::uint8_t, 64> dump{};
    std::iota(dump.begin(), dump.end(), std::uint8_t{0});
    const std::string copied = SelectionText(dump.data(), 0x12, 0x25, 16);
    ASSERT_EQ(copied.substr(0, 6), "      ");
    Bytes expected(dump.begin() + 0x12, dump.begin() + 0x26);
    EXPECT_EQ(ParseHexBytes(copied), expected);
}

TEST(DumpHexText, MalformedTextIsRefused)
{
    for (const char* text :
         {"", "   \n", "3", "3F A", "3 F", "3F,A0", "0x3F", "3G", "hello", "3F-A0", "3F\x01"}) {
        EXPECT_EQ(ParseHexBytes(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(DumpHexText, AddressesInsideTheBufferOnly)
{
    EXPECT_EQ(ParseHexAddress("1F", 256), 0x1Fu);
    EXPECT_EQ(ParseHexAddress(" ff ", 256), 0xFFu);
    EXPECT_EQ(ParseHexAddress("0", 256), 0u);
    EXPECT_EQ(ParseHexAddress("100", 256), std::nullopt);
    EXPECT_EQ(ParseHexAddress("", 256), std::nullopt);
    EXPECT_EQ(ParseHexAddress("1 F", 256), std::nullopt);
    EXPECT_EQ(ParseHexAddress("-1", 256), std::nullopt);
    EXPECT_EQ(ParseHexAddress("1FFFFFFFF", 0xFFFFFFFF), std::nullopt);  // would wrap to 0xFFFFFFFF
}

TEST(DumpSearch, QueriesAreHexPairsOrText)
{
    EXPECT_EQ(ParseFindQuery(u"3F A0 1B"), (Bytes{0x3F, 0xA0, 0x1B}));
    EXPECT_EQ(ParseFindQuery(u"cafe"), (Bytes{0xCA, 0xFE}));
    EXPECT_EQ(ParseFindQuery(u"\"cafe\""), (Bytes{'c', 'a', 'f', 'e'}));
    EXPECT_EQ(ParseFindQuery(u"TEST END"), (Bytes{'T', 'E', 'S', 'T', ' ', 'E', 'N', 'D'}));
    EXPECT_EQ(ParseFindQuery(u"Ая"), (Bytes{0xC0, 0xFF}));  // the character column's code page
    EXPECT_EQ(ParseFindQuery(u""), std::nullopt);
    EXPECT_EQ(ParseFindQuery(u"\"\""), std::nullopt);
    EXPECT_EQ(ParseFindQuery(u"\u20AC"), std::nullopt);  // no byte shows it
}

TEST(DumpSearch, FindsFromAPositionAndWrapsOnce)
{
    const Bytes dump{1, 2, 3, 1, 2, 3, 9};
    EXPECT_EQ(FindBytes(dump.data(), 7, {1, 2}, 0), 0u);
    EXPECT_EQ(FindBytes(dump.data(), 7, {1, 2}, 1), 3u);
    EXPECT_EQ(FindBytes(dump.data(), 7, {1, 2}, 4), 0u);  // wrapped
    EXPECT_EQ(FindBytes(dump.data(), 7, {3, 9}, 0), 5u);
    EXPECT_EQ(FindBytes(dump.data(), 7, {9, 1}, 0), std::nullopt);  // no wrap across the end
    EXPECT_EQ(FindBytes(dump.data(), 7, {4}, 0), std::nullopt);
    EXPECT_EQ(FindBytes(dump.data(), 7, {}, 0), std::nullopt);
    EXPECT_EQ(FindBytes(dump.data(), 2, {1, 2, 3}, 0), std::nullopt);
    EXPECT_EQ(FindBytes(dump.data(), 7, {9}, 100), 6u);
}

TEST(DumpCaretStatus, AddressAndValueInHexDecimalAndBinary)
{
    EXPECT_EQ(CaretStatusText(0x1F, 0x3C, 2), "Addr 1F  Value 3C  60  00111100");
    EXPECT_EQ(CaretStatusText(0, 0xFF, 2), "Addr 00  Value FF  255  11111111");
    EXPECT_EQ(CaretStatusText(0x100, 5, 2), "Addr 100  Value 05  5  00000101");
    EXPECT_EQ(CaretStatusText(0x1F, 0x3C, 2, "Адрес", "Байт"), "Адрес 1F  Байт 3C  60  00111100");
}
