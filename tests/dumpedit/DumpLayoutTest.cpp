// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "dumpedit/core/DumpCaretGeometry.h"
#include "dumpedit/core/DumpHitTest.h"
#include "dumpedit/core/DumpLayout.h"
#include "dumpedit/core/DumpScrolling.h"

using namespace dumpedit;

namespace {

DumpLayoutOptions Multiline(std::uint32_t size, std::uint32_t bytesPerRow = 16)
{
    DumpLayoutOptions o;
    o.size = size;
    o.configuredBytesPerRow = bytesPerRow;
    o.multiline = true;
    return o;
}

// A multi-line layout with `rows` whole rows of 16 pixels and a wide text area.
DumpLayout RowsHigh(std::uint32_t size, std::uint32_t rows, int width = 800)
{
    return ComputeDumpLayout(Multiline(size), 8, 16, width, static_cast<int>(rows) * 16 + 2 * kTextMargin);
}

}  // namespace

TEST(DumpLayout, RowsFollowTheTextHeightInsideTheMargins)
{
    const DumpLayout partial = ComputeDumpLayout(Multiline(256), 8, 16, 400, 100);
    EXPECT_EQ(partial.textRect, (Rect{5, 5, 395, 95}));
    EXPECT_EQ(partial.fullRows, 5u);
    EXPECT_EQ(partial.visibleRows, 6u);
    EXPECT_EQ(partial.lastRowHeight, 10);

    const DumpLayout remainderSix = ComputeDumpLayout(Multiline(256), 8, 16, 400, 96);
    EXPECT_EQ(remainderSix.fullRows, 5u);
    EXPECT_EQ(remainderSix.visibleRows, 6u);
    EXPECT_EQ(remainderSix.lastRowHeight, 6);

    const DumpLayout exact = ComputeDumpLayout(Multiline(256), 8, 16, 400, 90);
    EXPECT_EQ(exact.fullRows, 5u);
    EXPECT_EQ(exact.visibleRows, 5u);
    EXPECT_EQ(exact.lastRowHeight, 16);
}

TEST(DumpLayout, TinyClientKeepsAnEmptyTextRectangle)
{
    const DumpLayout l = ComputeDumpLayout(Multiline(256), 8, 16, 6, 4);
    EXPECT_EQ(l.textRect, (Rect{5, 5, 5, 5}));
    EXPECT_EQ(l.fullRows, 0u);
    EXPECT_EQ(l.visibleRows, 0u);
    EXPECT_EQ(l.maxTopRow, 16u);
}

TEST(DumpLayout, ColumnsWithAddressAndCharacters)
{
    DumpLayoutOptions o = Multiline(256);
    o.addressDigits = 2;
    o.showAddress = true;
    o.showChars = true;
    const DumpLayout l = ComputeDumpLayout(o, 8, 16, 300, 200);
    EXPECT_EQ(l.addressX, 0);
    EXPECT_EQ(l.addressWidth, 21);
    EXPECT_EQ(l.hexX, 21);
    EXPECT_EQ(l.hexWidth, 381);
    EXPECT_EQ(l.charsX, 402);
    EXPECT_EQ(l.charsWidth, 128);
    EXPECT_EQ(l.contentWidth, 530);
    EXPECT_EQ(l.maxHScroll, 530 - 290);

    o.showAddress = false;
    o.showChars = false;
    const DumpLayout bare = ComputeDumpLayout(o, 8, 16, 300, 200);
    EXPECT_EQ(bare.addressWidth, 0);
    EXPECT_EQ(bare.hexX, 0);
    EXPECT_EQ(bare.charsX, 0);
    EXPECT_EQ(bare.charsWidth, 0);
    EXPECT_EQ(bare.contentWidth, 8 * 47);
}

TEST(DumpLayout, AutoFitCountsBytesThatFitTheWidth)
{
    DumpLayoutOptions o = Multiline(256, 16);
    o.autoFitRow = true;
    o.showChars = true;
    // 100 pixels of text: 95 after the gap, 95 / 32 = 2 rest 31 >= 24, so a third byte fits.
    EXPECT_EQ(ComputeDumpLayout(o, 8, 16, 110, 100).bytesPerRow, 3u);
    // 23 pixels rest (<24): no extra byte.
    EXPECT_EQ(ComputeDumpLayout(o, 8, 16, 102, 100).bytesPerRow, 2u);

    o.showChars = false;
    // 100 / 24 = 4 rest 4 < 16.
    EXPECT_EQ(ComputeDumpLayout(o, 8, 16, 110, 100).bytesPerRow, 4u);
    // The address column takes its share first.
    o.showAddress = true;
    o.addressDigits = 2;
    EXPECT_EQ(ComputeDumpLayout(o, 8, 16, 110, 100).bytesPerRow, 3u);
    // No room at all still gives one byte.
    EXPECT_EQ(ComputeDumpLayout(o, 8, 16, 12, 100).bytesPerRow, 1u);

    // Auto-fit needs the multi-line style.
    o.multiline = false;
    o.size = 8;
    EXPECT_EQ(ComputeDumpLayout(o, 8, 16, 110, 100).bytesPerRow, 8u);
}

TEST(DumpLayout, SingleLineControlHoldsTheWholeBufferInOneRow)
{
    DumpLayoutOptions o;
    o.size = 8;
    o.configuredBytesPerRow = 16;
    const DumpLayout l = ComputeDumpLayout(o, 8, 16, 300, 20);
    EXPECT_EQ(l.textRect, (Rect{0, 0, 300, 20}));
    EXPECT_EQ(l.bytesPerRow, 8u);
    EXPECT_EQ(l.maxTopRow, 0u);
}

TEST(DumpLayout, RowsWiderThanTheRowLimitAreClamped)
{
    DumpLayoutOptions o;
    o.size = 1000;
    EXPECT_EQ(ComputeDumpLayout(o, 8, 16, 300, 20).bytesPerRow, kMaxBytesPerRow);
    o = Multiline(1000, 5000);
    EXPECT_EQ(ComputeDumpLayout(o, 8, 16, 300, 20).bytesPerRow, kMaxBytesPerRow);
    o = Multiline(0, 0);
    EXPECT_EQ(ComputeDumpLayout(o, 8, 16, 300, 20).bytesPerRow, 1u);
}

TEST(DumpLayout, ChangedByteRepaintsTheBandOfItsRowWhileInView)
{
    // Rows 16 pixels high in a text area of 5 rows and 10 pixels: six rows show, the last in part.
    const DumpLayout l = ComputeDumpLayout(Multiline(256), 8, 16, 400, 100);
    const auto band = [](int top, int bottom) {
        return Rect{5 - kOutlineReach, top, 395 + kOutlineReach, bottom};
    };
    EXPECT_EQ(ByteRowRect(l, 0, 256, 0x00), band(5, 21));
    EXPECT_EQ(ByteRowRect(l, 0, 256, 0x0F), band(5, 21));
    EXPECT_EQ(ByteRowRect(l, 0, 256, 0x10), band(21, 37));
    EXPECT_EQ(ByteRowRect(l, 0, 256, 0x5A), band(85, 95));  // cut at the text's bottom
    EXPECT_EQ(ByteRowRect(l, 0, 256, 0x60), Rect{});        // below the view
    EXPECT_EQ(ByteRowRect(l, 3, 256, 0x3F), band(5, 21));   // scrolled: row 3 is on top
    EXPECT_EQ(ByteRowRect(l, 3, 256, 0x2F), Rect{});        // above the view
    EXPECT_EQ(ByteRowRect(l, 0, 0x40, 0x40), Rect{});       // beyond the buffer

    DumpLayoutOptions single;
    single.size = 40;
    const DumpLayout one = ComputeDumpLayout(single, 8, 16, 400, 20);
    EXPECT_EQ(ByteRowRect(one, 0, 40, 39), (Rect{-kOutlineReach, 0, 400 + kOutlineReach, 16}));

    // Painting such a band draws its row and the row either side; the rest would be clipped away.
    const auto needed = [&](int areaTop, int areaBottom) {
        std::vector<int> rows;
        for (int row = 0; row < static_cast<int>(l.visibleRows); ++row) {
            if (RowMeetsPaintArea(l, 5 + 16 * row, areaTop, areaBottom)) {
                rows.push_back(row);
            }
        }
        return rows;
    };
    EXPECT_EQ(needed(21, 37), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(needed(53, 69), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(needed(85, 95), (std::vector<int>{4, 5}));
    EXPECT_EQ(needed(30, 31), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(needed(0, 100), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST(DumpScrolling, TopRowIsClampedToTheLastFullPage)
{
    const DumpLayout l = RowsHigh(256, 5);
    EXPECT_EQ(l.maxTopRow, 11u);
    EXPECT_EQ(ClampTopRow(20, l), 11u);
    EXPECT_EQ(ClampTopRow(7, l), 7u);
    EXPECT_EQ(ClampTopRow(-3, l), 0u);
    // A partial 17th row counts.
    EXPECT_EQ(RowsHigh(257, 5).maxTopRow, 12u);
    EXPECT_EQ(RowsHigh(64, 5).maxTopRow, 0u);
}

TEST(DumpScrolling, RelativeMovesStopAtZero)
{
    EXPECT_EQ(OffsetPosition(3, -5), 0);
    EXPECT_EQ(OffsetPosition(3, -3), 0);
    EXPECT_EQ(OffsetPosition(3, 4), 7);
}

TEST(DumpScrolling, WheelScrollsWholeNotchesOnly)
{
    EXPECT_EQ(WheelRows(240), -2);
    EXPECT_EQ(WheelRows(60), 0);
    EXPECT_EQ(WheelRows(-119), 0);
    EXPECT_EQ(WheelRows(-120), 1);
    EXPECT_EQ(WheelRows(-300), 2);
}

TEST(DumpScrolling, EnsureVisibleScrollsRowsIntoView)
{
    const DumpLayout l = RowsHigh(256, 5);
    // First byte below the whole rows: one row down.
    ScrollTarget t = EnsureVisibleTarget(0x50, 0x50, l, 0, 0);
    EXPECT_EQ(t.topRow, 1u);
    // Above the view: its row becomes the top row.
    t = EnsureVisibleTarget(0x23, 0x23, l, 5, 0);
    EXPECT_EQ(t.topRow, 2u);
    // Already visible: nothing moves.
    t = EnsureVisibleTarget(0x30, 0x3F, l, 0, 0);
    EXPECT_FALSE(t.topRow.has_value());
    EXPECT_FALSE(t.hScroll.has_value());
    // Covering the whole view: stays.
    t = EnsureVisibleTarget(0x00, 0xFF, l, 3, 0);
    EXPECT_FALSE(t.topRow.has_value());
    // Taller than the view, starting below its top: the start row goes to the top.
    t = EnsureVisibleTarget(0x40, 0xF0, l, 0, 0);
    EXPECT_EQ(t.topRow, 4u);
    // Taller than the view, ending inside it: the end row goes to the bottom.
    t = EnsureVisibleTarget(0x00, 0x75, l, 3, 0);
    EXPECT_EQ(t.topRow, 3u);
    t = EnsureVisibleTarget(0x00, 0x65, l, 4, 0);
    EXPECT_EQ(t.topRow, 2u);
    // A byte far below is clamped to the last page.
    t = EnsureVisibleTarget(0xFF, 0xFF, l, 0, 0);
    EXPECT_EQ(t.topRow, 11u);
}

TEST(DumpScrolling, EnsureVisibleScrollsHorizontallyToTheRangeEdges)
{
    // Text 100 pixels wide (client 110), hex column 8 * 47 = 376 pixels: room for about 4 bytes.
    const DumpLayout l = ComputeDumpLayout(Multiline(256), 8, 16, 110, 200);
    ASSERT_EQ(l.maxHScroll, 376 - 100);
    // Byte 10 lies right of the text: its right edge ends up L pixels left of the right edge.
    ScrollTarget t = EnsureVisibleTarget(10, 10, l, 0, 0);
    ASSERT_TRUE(t.hScroll.has_value());
    EXPECT_EQ(5 + 8 * (3 * 10 + 2) - *t.hScroll, 105 - 5);
    // Byte 1 left of the text after scrolling right: its left edge goes to the text's left edge.
    t = EnsureVisibleTarget(1, 1, l, 0, 200);
    EXPECT_EQ(t.hScroll, 24);
    // Byte 0 at the left edge already: nothing.
    t = EnsureVisibleTarget(0, 0, l, 0, 0);
    EXPECT_FALSE(t.hScroll.has_value());
    // Wider than the text: nothing.
    t = EnsureVisibleTarget(0, 15, l, 0, 20);
    EXPECT_FALSE(t.hScroll.has_value());
}

TEST(DumpHitTest, PointsMapToDigitsOfTheHexColumn)
{
    DumpLayoutOptions o = Multiline(250);
    o.showAddress = true;
    o.addressDigits = 2;
    const DumpLayout l = ComputeDumpLayout(o, 8, 16, 600, 16 * 20 + 10);
    const int hexLeft = 5 + l.hexX;
    const int row2 = 5 + 2 * 16 + 3;
    // Left of the hex column (over the address): first byte of that row, high digit.
    EXPECT_EQ(HitTest({2, row2}, l, 0, 0, 250, true), (HitResult{32, true}));
    // Left half of the high digit of byte 3, then its right half (low digit).
    EXPECT_EQ(HitTest({hexLeft + 9 * 8 + 1, row2}, l, 0, 0, 250, true), (HitResult{35, true}));
    EXPECT_EQ(HitTest({hexLeft + 9 * 8 + 5, row2}, l, 0, 0, 250, true), (HitResult{35, false}));
    // Right half of the separator after byte 3: next byte's high digit.
    EXPECT_EQ(HitTest({hexLeft + 11 * 8 + 5, row2}, l, 0, 0, 250, true), (HitResult{36, true}));
    // Right of the hex column clamps into the row's last byte.
    EXPECT_EQ(HitTest({590, row2}, l, 0, 0, 250, true), (HitResult{47, false}));
    // Above the text counts as the top row; scrolling adds its rows.
    EXPECT_EQ(HitTest({hexLeft, 0}, l, 3, 0, 250, true), (HitResult{48, true}));
    // Beside the 10 bytes of the partial last row, and below it: the last byte, low digit.
    const int lastRow = 5 + 15 * 16 + 3;
    EXPECT_EQ(HitTest({hexLeft + 14 * 3 * 8, lastRow}, l, 0, 0, 250, true), (HitResult{249, false}));
    EXPECT_EQ(HitTest({hexLeft, 5 + 17 * 16}, l, 0, 0, 250, true), (HitResult{249, false}));
    // Horizontal scrolling shifts the cells.
    EXPECT_EQ(HitTest({hexLeft + 1, row2}, l, 0, 24, 250, true), (HitResult{33, true}));
}

TEST(DumpHitTest, SingleLineControlHasNoMargin)
{
    DumpLayoutOptions o;
    o.size = 8;
    const DumpLayout l = ComputeDumpLayout(o, 8, 16, 300, 16);
    EXPECT_EQ(HitTest({3 * 8 * 2 + 1, 4}, l, 0, 0, 8, false), (HitResult{2, true}));
}

TEST(DumpCaretGeometry, CaretCoversOneDigitCellBelowTheRowTop)
{
    const DumpLayout l = ComputeDumpLayout(Multiline(256), 8, 16, 400, 100);  // 6 rows, last 10 high
    EXPECT_EQ(CaretRect(5, true, l, 0, 0), (Rect{5 + 15 * 8, 6, 5 + 16 * 8, 6 + 15}));
    EXPECT_EQ(CaretRect(5, false, l, 0, 0), (Rect{5 + 16 * 8, 6, 5 + 17 * 8, 6 + 15}));
    // Last, partly visible row: its height minus one.
    EXPECT_EQ(CaretRect(0x50, true, l, 0, 0), (Rect{5, 5 + 80 + 1, 13, 5 + 80 + 1 + 9}));
    // Not in a visible row.
    EXPECT_FALSE(CaretRect(0x60, true, l, 0, 0).has_value());
    EXPECT_FALSE(CaretRect(0x0F, true, l, 1, 0).has_value());
}

TEST(DumpCaretGeometry, CaretIsCutAtTheTextSides)
{
    const DumpLayout l = ComputeDumpLayout(Multiline(256), 8, 16, 110, 100);  // text x 5..105
    // Scrolled 4 pixels: byte 0's cell starts at 1, 2 pixels left of the slack edge at 3.
    EXPECT_EQ(CaretRect(0, true, l, 0, 4), (Rect{3, 6, 9, 21}));
    // Wholly left of the text.
    EXPECT_FALSE(CaretRect(0, true, l, 0, 20).has_value());
    // Byte 12's high digit starts at 5 + 288 - 190 = 103: cut 2 pixels right of the text.
    EXPECT_EQ(CaretRect(12, true, l, 0, 190), (Rect{103, 6, 107, 21}));
    // Wholly right of the text.
    EXPECT_FALSE(CaretRect(13, true, l, 0, 190).has_value());
}
