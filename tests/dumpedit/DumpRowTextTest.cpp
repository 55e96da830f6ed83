// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>

#include "dumpedit/core/DumpCodePage.h"
#include "dumpedit/core/DumpLayout.h"
#include "dumpedit/core/DumpMarkOutline.h"
#include "dumpedit/core/DumpRowText.h"

using namespace dumpedit;

namespace {

std::array<std::uint8_t, 512> Sequence()
{
    std::array<std::uint8_t, 512> bytes{};
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
}

}  // namespace

TEST(DumpRowText, HexRowHasTwoUpperCaseDigitsPerByteAndSingleSpaces)
{
    const auto bytes = Sequence();
    const HexRowText row = BuildHexRow(bytes.data(), 0, 16, kNoByte, kNoByte, kNoByte, kNoByte);
    EXPECT_EQ(row.text, "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F");
    EXPECT_EQ(row.text.size(), 47u);
    EXPECT_FALSE(row.selection.has_value());
    EXPECT_FALSE(row.mark.has_value());

    const std::uint8_t high[] = {0xAB, 0xF0, 0x7F};
    EXPECT_EQ(BuildHexRow(high, 0, 3, kNoByte, kNoByte, kNoByte, kNoByte).text, "AB F0 7F");
}

TEST(DumpRowText, SelectionColumnsAcrossTwoRows)
{
    const auto bytes = Sequence();
    const HexRowText first = BuildHexRow(bytes.data(), 0x10, 0x20, 0x12, 0x25, kNoByte, kNoByte);
    ASSERT_TRUE(first.selection.has_value());
    EXPECT_EQ(*first.selection, (ColumnSpan{6, 47}));
    const HexRowText second = BuildHexRow(bytes.data(), 0x20, 0x30, 0x12, 0x25, kNoByte, kNoByte);
    ASSERT_TRUE(second.selection.has_value());
    EXPECT_EQ(*second.selection, (ColumnSpan{0, 17}));
    // Rows outside the range get none; a row wholly inside is boxed end to end.
    EXPECT_FALSE(BuildHexRow(bytes.data(), 0x00, 0x10, 0x12, 0x25, kNoByte, kNoByte).selection.has_value());
    EXPECT_FALSE(BuildHexRow(bytes.data(), 0x30, 0x40, 0x12, 0x25, kNoByte, kNoByte).selection.has_value());
    EXPECT_EQ(*BuildHexRow(bytes.data(), 0x20, 0x30, 0x12, 0x45, kNoByte, kNoByte).selection,
              (ColumnSpan{0, 47}));
    // A single byte.
    EXPECT_EQ(*BuildHexRow(bytes.data(), 0x20, 0x30, 0x2F, 0x2F, kNoByte, kNoByte).selection,
              (ColumnSpan{45, 47}));
}

TEST(DumpRowText, MarkColumnsFollowTheSameRules)
{
    const auto bytes = Sequence();
    const HexRowText row = BuildHexRow(bytes.data(), 0x40, 0x50, kNoByte, kNoByte, 0x44, 0x46);
    EXPECT_FALSE(row.selection.has_value());
    ASSERT_TRUE(row.mark.has_value());
    EXPECT_EQ(*row.mark, (ColumnSpan{12, 20}));
    // Both at once are independent.
    const HexRowText both = BuildHexRow(bytes.data(), 0x40, 0x50, 0x41, 0x41, 0x3E, 0x42);
    EXPECT_EQ(*both.selection, (ColumnSpan{3, 5}));
    EXPECT_EQ(*both.mark, (ColumnSpan{0, 8}));
}

TEST(DumpRowText, RangeWithOneEndMissingShowsNothing)
{
    // A button press clears only the selection's start; the old end must not draw a box.
    const auto bytes = Sequence();
    EXPECT_FALSE(
        BuildHexRow(bytes.data(), 0x20, 0x30, kNoByte, 0x25, kNoByte, kNoByte).selection.has_value());
    EXPECT_FALSE(
        BuildHexRow(bytes.data(), 0x20, 0x30, 0x22, kNoByte, kNoByte, kNoByte).selection.has_value());
    EXPECT_FALSE(BuildHexRow(bytes.data(), 0x20, 0x30, kNoByte, kNoByte, kNoByte, 0x25).mark.has_value());
}

TEST(DumpRowText, CharacterRowShowsPrintableBytesAndDotsForTheRest)
{
    const auto bytes = Sequence();
    EXPECT_EQ(BuildCharRow(bytes.data(), 0, 16), std::u16string(16, u'.'));
    EXPECT_EQ(BuildCharRow(bytes.data(), 0x40, 0x44), u"@ABC");
    EXPECT_EQ(BuildCharRow(bytes.data(), 0x7E, 0x81), u"~..");
    EXPECT_EQ(BuildCharRow(bytes.data(), 0x20, 0x21), u" ");
    // Upper half in the program's Cyrillic code page.
    EXPECT_EQ(BuildCharRow(bytes.data(), 0xC0, 0xC2), u"АБ");
    EXPECT_EQ(BuildCharRow(bytes.data(), 0xFE, 0x100), u"юя");
    EXPECT_EQ(BuildCharRow(bytes.data(), 0xA8, 0xA9), u"Ё");
    EXPECT_EQ(BuildCharRow(bytes.data(), 0xB9, 0xBA), u"№");
}

TEST(DumpCodePage, PrintableTestFollowsLatin1Classes)
{
    int printable = 0;
    for (int b = 0; b < 256; ++b) {
        printable += IsPrintableByte(static_cast<std::uint8_t>(b)) ? 1 : 0;
    }
    EXPECT_EQ(printable, 95 + 96);
    EXPECT_FALSE(IsPrintableByte(0x1F));
    EXPECT_TRUE(IsPrintableByte(0x20));
    EXPECT_FALSE(IsPrintableByte(0x7F));
    EXPECT_FALSE(IsPrintableByte(0x9F));
    EXPECT_TRUE(IsPrintableByte(0xA0));
}

TEST(DumpRowText, AddressLabelsAreUpperCaseAndPadded)
{
    EXPECT_EQ(FormatAddressLabel(0x100, 2), "100");
    EXPECT_EQ(FormatAddressLabel(0x0A, 2), "0A");
    EXPECT_EQ(FormatAddressLabel(0xBEEF, 8), "0000BEEF");
    EXPECT_EQ(FormatAddressLabel(0, 0), "0");
    EXPECT_EQ(FormatAddressLabel(1, 255).size(), 31u);
}

TEST(DumpRowText, PaintCoversTheVisibleRowsPlusTheOneBelow)
{
    DumpLayout l;
    l.bytesPerRow = 16;
    l.visibleRows = 6;
    PaintRowRange r = RowsToPaint(l, 0, 256);
    ASSERT_FALSE(r.empty);
    EXPECT_EQ(r.first, 0u);
    EXPECT_EQ(r.last, 96u);
    EXPECT_EQ(RowEnd(r, 96, 16), 97u);
    EXPECT_EQ(RowEnd(r, 80, 16), 96u);

    r = RowsToPaint(l, 11, 256);
    EXPECT_EQ(r.first, 176u);
    EXPECT_EQ(r.last, 255u);
    EXPECT_EQ(RowEnd(r, 240, 16), 256u);

    r = RowsToPaint(l, 0, 10);
    EXPECT_EQ(r.last, 9u);
    EXPECT_TRUE(RowsToPaint(l, 0, 0).empty);
}

TEST(DumpMarkOutline, WholeBufferFromTheTopIsSixCorners)
{
    const int X = 26, Y = 5, XR = 26 + 7 * 47, lh = 17;
    const MarkOutlineGeometry g{X, Y, XR, 16, 7, lh, 16, 0};
    const MarkOutline o = BuildMarkOutline(g, 0x00, 0xFF);
    ASSERT_EQ(o.count, 6);
    const std::array<Point, 6> expected = {{{X - 2, Y + lh},
                                            {X - 2, Y},
                                            {XR + 1, Y},
                                            {XR + 1, Y + 16 * lh},
                                            {X - 2, Y + 16 * lh},
                                            {X - 2, Y + lh}}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(o.points[i], expected[i]) << i;
    }
}

TEST(DumpMarkOutline, RangeStartingAboveTheViewStartsAboveTheText)
{
    const int X = 26, Y = 5, XR = 26 + 7 * 47, lh = 17;
    const MarkOutlineGeometry g{X, Y, XR, 16, 7, lh, 16, 2};
    const MarkOutline o = BuildMarkOutline(g, 0x00, 0xFF);
    ASSERT_EQ(o.count, 5);
    EXPECT_EQ(o.points[0], (Point{X - 2, Y - 1}));
    EXPECT_EQ(o.points[1], (Point{XR + 1, Y - 1}));
    EXPECT_EQ(o.points[2], (Point{XR + 1, Y + 14 * lh}));
    EXPECT_EQ(o.points[3], (Point{X - 2, Y + 14 * lh}));
    EXPECT_EQ(o.points[4], (Point{X - 2, Y - 1}));
}

TEST(DumpMarkOutline, RangesOutsideTheViewHaveNoOutline)
{
    const MarkOutlineGeometry g{26, 5, 355, 16, 7, 17, 5, 4};
    EXPECT_EQ(BuildMarkOutline(g, 0x10, 0x3F).count, 0);  // ends just above the view
    EXPECT_EQ(BuildMarkOutline(g, 0x90, 0xA0).count, 0);  // starts just below the 5 visible rows
    EXPECT_GT(BuildMarkOutline(g, 0x10, 0x40).count, 0);  // its last byte is the first visible one
}

TEST(DumpMarkOutline, RangeWithinOneRowIsABox)
{
    const int X = 10, Y = 5, lh = 16, cw = 8;
    const MarkOutlineGeometry g{X, Y, X + cw * 47, 16, cw, lh, 6, 0};
    const MarkOutline o = BuildMarkOutline(g, 0x13, 0x15);
    ASSERT_EQ(o.count, 4);
    EXPECT_EQ(o.points[0], (Point{X - 2 + 3 * cw * 3, Y + 2 * lh}));
    EXPECT_EQ(o.points[1], (Point{X - 2 + 3 * cw * 3, Y + lh}));
    EXPECT_EQ(o.points[2], (Point{X + 2 + (3 * 6 - 1) * cw, Y + lh}));
    EXPECT_EQ(o.points[3], (Point{X + 2 + (3 * 6 - 1) * cw, Y + 2 * lh}));
    // Ending exactly at the end of its row stays one row.
    EXPECT_EQ(BuildMarkOutline(g, 0x13, 0x1F).count, 4);
}

TEST(DumpMarkOutline, RangeOverRowsStepsAtBothEnds)
{
    const int X = 10, Y = 5, XR = 10 + 8 * 47, lh = 16, cw = 8;
    const MarkOutlineGeometry g{X, Y, XR, 16, cw, lh, 6, 0};
    const MarkOutline o = BuildMarkOutline(g, 0x12, 0x25);
    ASSERT_EQ(o.count, 8);
    const int endX = X + 2 + (3 * 6 - 1) * cw;
    const std::array<Point, 8> expected = {{{X - 2 + 48, Y + 2 * lh},
                                            {X - 2 + 48, Y + lh},
                                            {XR + 1, Y + lh},
                                            {XR + 1, Y + 2 * lh},
                                            {endX, Y + 2 * lh},
                                            {endX, Y + 3 * lh},
                                            {X - 2, Y + 3 * lh},
                                            {X - 2, Y + 2 * lh}}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(o.points[i], expected[i]) << i;
    }
}

TEST(DumpMarkOutline, RangeStartingInTheRowAboveTheView)
{
    // First byte 5 bytes above the view: its corner sits one row above the text.
    const int X = 10, Y = 5, XR = 10 + 8 * 47, lh = 16, cw = 8;
    const MarkOutlineGeometry g{X, Y, XR, 16, cw, lh, 6, 1};
    const MarkOutline o = BuildMarkOutline(g, 0x0B, 0x1F);
    ASSERT_GE(o.count, 2);
    EXPECT_EQ(o.points[0], (Point{X - 2 + 3 * cw * 11, Y}));
    EXPECT_EQ(o.points[1], (Point{X - 2 + 3 * cw * 11, Y - lh}));
}
