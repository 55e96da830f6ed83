// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>

#include "dumpedit/core/DumpClipboardFormat.h"
#include "dumpedit/core/DumpEditing.h"

using namespace dumpedit;

TEST(DumpEditing, CaretMovesStopAtTheBufferEnds)
{
    EXPECT_EQ(MoveTarget(5, 3, true, 256), (CaretTarget{8, true}));
    EXPECT_EQ(MoveTarget(250, 16, true, 256), (CaretTarget{255, false}));
    EXPECT_EQ(MoveTarget(255, 1, true, 256), (CaretTarget{255, false}));
    EXPECT_EQ(MoveTarget(3, -16, false, 256), (CaretTarget{0, true}));
    EXPECT_EQ(MoveTarget(16, -16, false, 256), (CaretTarget{0, false}));
    EXPECT_EQ(MoveTarget(7, 0, false, 256), (CaretTarget{7, false}));
    EXPECT_EQ(MoveTarget(0, 0x07FFFFFF, false, 256), (CaretTarget{255, false}));
    EXPECT_EQ(MoveTarget(0xFFFFFFF0u, 0x7FFFFFFF, true, 0xFFFFFFFFu), (CaretTarget{0xFFFFFFFEu, false}));
}

TEST(DumpEditing, KeysMoveByDigitRowOrPage)
{
    EXPECT_EQ(MoveForKey(DumpKey::Left, true, 16, 6), (KeyMove{-1, false}));
    EXPECT_EQ(MoveForKey(DumpKey::Left, false, 16, 6), (KeyMove{0, true}));
    EXPECT_EQ(MoveForKey(DumpKey::Right, true, 16, 6), (KeyMove{0, false}));
    EXPECT_EQ(MoveForKey(DumpKey::Right, false, 16, 6), (KeyMove{1, true}));
    EXPECT_EQ(MoveForKey(DumpKey::Up, false, 16, 6), (KeyMove{-16, false}));
    EXPECT_EQ(MoveForKey(DumpKey::Down, true, 8, 6), (KeyMove{8, true}));
    EXPECT_EQ(MoveForKey(DumpKey::PageUp, true, 16, 6), (KeyMove{-80, true}));
    EXPECT_EQ(MoveForKey(DumpKey::PageDown, false, 16, 6), (KeyMove{80, false}));
    EXPECT_EQ(MoveForKey(DumpKey::Home, false, 16, 6), (KeyMove{-0x08000000, true}));
    EXPECT_EQ(MoveForKey(DumpKey::End, true, 16, 6), (KeyMove{0x07FFFFFF, false}));
}

TEST(DumpEditing, OnlyHexDigitsAreTyped)
{
    EXPECT_EQ(HexDigitValue('0'), 0);
    EXPECT_EQ(HexDigitValue('9'), 9);
    EXPECT_EQ(HexDigitValue('a'), 10);
    EXPECT_EQ(HexDigitValue('F'), 15);
    EXPECT_EQ(HexDigitValue('c'), 12);
    for (const std::uint32_t ch :
         {std::uint32_t{'g'}, std::uint32_t{'G'}, std::uint32_t{' '}, std::uint32_t{'\r'},
          std::uint32_t{0x7F}, std::uint32_t{'/'}, std::uint32_t{':'}, std::uint32_t{'@'},
          std::uint32_t{0x100 + 'a'}, std::uint32_t{0x0430}, std::uint32_t{0xFF10}}) {
        EXPECT_FALSE(HexDigitValue(ch).has_value()) << ch;
    }
}

TEST(DumpEditing, DigitsOverwriteOneNibble)
{
    EXPECT_EQ(OverwriteNibble(0x05, true, 0x3), 0x35);
    EXPECT_EQ(OverwriteNibble(0x35, false, 0xC), 0x3C);
    EXPECT_EQ(OverwriteNibble(0xFF, true, 0x0), 0x0F);
    EXPECT_EQ(OverwriteNibble(0xFF, false, 0x0), 0xF0);
}

TEST(DumpEditing, DragRectangleCentresOnThePress)
{
    EXPECT_EQ(DragRect({100, 50}, 10, 10), (Rect{95, 45, 105, 55}));
    EXPECT_EQ(DragRect({100, 50}, 5, 3), (Rect{98, 49, 103, 52}));
    const Rect r = DragRect({100, 50}, 10, 10);
    EXPECT_TRUE(r.Contains({104, 54}));
    EXPECT_FALSE(r.Contains({105, 50}));
    EXPECT_FALSE(r.Contains({100, 44}));
    EXPECT_FALSE((Rect{-1, -1, -1, -1}).Contains({-1, -1}));
}

TEST(DumpEditing, AutoScrollSpeedsUpWithTheDistance)
{
    const Rect text{5, 5, 395, 95};
    struct Case {
        int distance;
        std::uint16_t delay;
    };
    for (const Case c : {Case{1, 7}, Case{3, 7}, Case{4, 6}, Case{8, 6}, Case{9, 5}, Case{13, 5}, Case{14, 4},
                         Case{19, 3}, Case{24, 2}, Case{28, 2}, Case{29, 1}, Case{30, 1}, Case{500, 1}}) {
        const auto up = AutoScrollFor({50, text.top - c.distance}, text);
        ASSERT_TRUE(up.has_value()) << c.distance;
        EXPECT_EQ(up->direction, -1);
        EXPECT_EQ(up->delay, c.delay) << c.distance;
        const auto down = AutoScrollFor({50, text.bottom + c.distance}, text);
        ASSERT_TRUE(down.has_value()) << c.distance;
        EXPECT_EQ(down->direction, 1);
        EXPECT_EQ(down->delay, c.delay) << c.distance;
    }
    // Beside the text nothing scrolls.
    EXPECT_FALSE(AutoScrollFor({400, 50}, text).has_value());
    EXPECT_FALSE(AutoScrollFor({0, 50}, text).has_value());
}

TEST(DumpEditing, PasteIsCutAtTheEndOfTheBuffer)
{
    EXPECT_EQ(PasteCount(254, 5, 256), 2u);
    EXPECT_EQ(PasteCount(10, 5, 256), 5u);
    EXPECT_EQ(PasteCount(251, 5, 256), 5u);
    EXPECT_EQ(PasteCount(0, 300, 256), 256u);
    EXPECT_EQ(PasteCount(10, 0xFFFFFFFFu, 256), 246u);
    EXPECT_EQ(PasteCount(10, 0, 256), 0u);
    EXPECT_EQ(PasteCount(256, 1, 256), 0u);
}

TEST(DumpClipboardFormat, BinaryBlockIsCountThenBytes)
{
    const std::uint8_t bytes[] = {0x01, 0x02, 0x03};
    EXPECT_EQ(EncodeBinaryBlock(bytes, 3),
              (std::vector<std::uint8_t>{0x03, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03}));
    EXPECT_EQ(EncodeBinaryBlock(bytes, 0), (std::vector<std::uint8_t>{0, 0, 0, 0}));

    // Little-endian count.
    const std::vector<std::uint8_t> payload(0x010203, 0xEE);
    const std::vector<std::uint8_t> block = EncodeBinaryBlock(payload.data(), 0x010203);
    ASSERT_EQ(block.size(), 0x010203u + 4);
    EXPECT_EQ(block[0], 0x03);
    EXPECT_EQ(block[1], 0x02);
    EXPECT_EQ(block[2], 0x01);
    EXPECT_EQ(block[3], 0x00);
    EXPECT_EQ(block.back(), 0xEE);
}

TEST(DumpClipboardFormat, DecodingStaysWithinTheBlock)
{
    const std::vector<std::uint8_t> block{0x03, 0x00, 0x00, 0x00, 0x0A, 0x0B, 0x0C};
    auto view = DecodeBinaryBlock(block);
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(view->count, 3u);
    EXPECT_EQ(view->bytes, block.data() + 4);
    // A count beyond the block is cut to the bytes present.
    const std::vector<std::uint8_t> lying{0xFF, 0xFF, 0xFF, 0x7F, 0x0A, 0x0B};
    view = DecodeBinaryBlock(lying);
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(view->count, 2u);
    // Too short for a count: refused.
    EXPECT_FALSE(DecodeBinaryBlock({0x01, 0x00, 0x00}).has_value());
    EXPECT_FALSE(DecodeBinaryBlock({}).has_value());
    // An empty block is a valid block of no bytes.
    view = DecodeBinaryBlock({0, 0, 0, 0});
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(view->count, 0u);
}

TEST(DumpClipboardFormat, TextLinesFollowTheRows)
{
    std::array<std::uint8_t, 256> bytes{};
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    bytes[0x12] = 0x01;
    bytes[0x13] = 0x02;
    bytes[0x14] = 0x03;
    // Short selection: from column 0.
    EXPECT_EQ(SelectionText(bytes.data(), 0x12, 0x14, 16), "01 02 03\n");
    // 20 bytes: the first line keeps column 2.
    EXPECT_EQ(SelectionText(bytes.data(), 0x12, 0x25, 16), "      01 02 03 15 16 17 18 19 1A 1B 1C 1D 1E 1F\n"
                                                           "20 21 22 23 24 25\n");
    // 17 bytes (a row plus one): column 0, a full first line.
    EXPECT_EQ(SelectionText(bytes.data(), 0x12, 0x22, 16), "01 02 03 15 16 17 18 19 1A 1B 1C 1D 1E 1F 20 21\n"
                                                           "22\n");
    // Whole rows.
    EXPECT_EQ(SelectionText(bytes.data(), 0xE0, 0xFF, 16),
              "E0 E1 E2 E3 E4 E5 E6 E7 E8 E9 EA EB EC ED EE EF\n"
              "F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF\n");
    EXPECT_EQ(SelectionText(bytes.data(), 0xFF, 0xFF, 16), "FF\n");
}
