// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "device/ZaqProtocol.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint8_t ChecksumOf(const Bytes& frame)
{
    return device::zaq::FrameChecksum(frame.data(), device::zaq::RequestLength(frame[0]));
}

TEST(ZaqProtocol, ChecksumsMatchTheWireExamples)
{
    EXPECT_EQ(ChecksumOf({0x81, 0x21, 0xF3, 0x81}), 0x16);
    EXPECT_EQ(ChecksumOf({0x82, 0x21, 0xF3, 0x3C, 0x00}), 0xD2);
    EXPECT_EQ(ChecksumOf({0x84, 0x21, 0xF3, 0x23, 0x00, 0x81, 0x10}), 0x4C);
    EXPECT_EQ(ChecksumOf({0x85, 0x21, 0xF3, 0x3D, 0x00, 0x00, 0x63, 0xAB}), 0xE4);
    EXPECT_EQ(ChecksumOf({0x85, 0x21, 0xF3, 0x3D, 0x00, 0x00, 0x62, 0x10}), 0x48);
    EXPECT_EQ(ChecksumOf({0x85, 0x21, 0xF3, 0x3D, 0x00, 0x00, 0x61, 0x00}), 0x37);
    EXPECT_EQ(ChecksumOf({0x85, 0x21, 0xF3, 0x3D, 0x00, 0x00, 0x60, 0x10}), 0x46);
    EXPECT_EQ(ChecksumOf({0x81, 0x21, 0xF3, 0x82}), 0x17);
}

TEST(ZaqProtocol, RequestLengthCountsHeaderAndDataBytes)
{
    EXPECT_EQ(device::zaq::RequestLength(0x81), 4u);
    EXPECT_EQ(device::zaq::RequestLength(0x85), 8u);
    // Only the low six bits count: the two top bits are the header form.
    EXPECT_EQ(device::zaq::RequestLength(0xFF), 66u);
}

TEST(ZaqProtocol, AnswerChecksumIndexFollowsTheHeaderForm)
{
    EXPECT_TRUE(device::zaq::IsLongAnswer(0x80));
    EXPECT_FALSE(device::zaq::IsLongAnswer(0xC0));
    EXPECT_EQ(device::zaq::AnswerChecksumIndex(0x80, 0x85), 9u);    // long: 5 data bytes after 4 header bytes
    EXPECT_EQ(device::zaq::AnswerChecksumIndex(0x80, 0x00), 4u);    // long with no data
    EXPECT_EQ(device::zaq::AnswerChecksumIndex(0x80, 0xFF), 131u);  // the largest answer still fits
    EXPECT_EQ(device::zaq::AnswerChecksumIndex(0xC2, 0x99), 5u);    // short: the length byte is data
    EXPECT_EQ(device::zaq::AnswerChecksumIndex(0x81, 0x00), 4u);
}

// Request and answer data bytes, each from the service byte on.
TEST(ZaqProtocol, APositiveAnswerCarriesTheServicePlus40AndAReadsAnswerTheAddressAskedFor)
{
    struct Case {
        const char* name;
        Bytes request;
        Bytes answer;
        bool belongs;
    };
    const Case cases[] = {
        {"identification", {0x3C, 0x00}, {0x7C, 0x00, 0x0A}, true},
        {"read", {0x23, 0x00, 0x81, 0x10}, {0x63, 0x00, 0x81, 0x10, 0x5A}, true},
        {"write step", {0x3D, 0x00, 0x00, 0x63, 0xAB}, {0x7D, 0x00, 0x63, 0xAB}, true},
        {"read answered as a write step", {0x23, 0x00, 0x81, 0x10}, {0x7D, 0x00, 0x81, 0x10, 0x5A}, false},
        {"service byte itself echoed", {0x3C, 0x00}, {0x3C, 0x00, 0x0A}, false},
        {"read of the next address", {0x23, 0x00, 0x81, 0x10}, {0x63, 0x00, 0x81, 0x11, 0x5A}, false},
        // Only a read's answer names an address; a write step's is not compared.
        {"write step naming other bytes", {0x3D, 0x00, 0x00, 0x62, 0x10}, {0x7D, 0x00, 0x62, 0x11}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(device::zaq::AnswersRequest(c.request.data(), c.answer.data()), c.belongs);
    }
}

TEST(ZaqProtocol, IdTextSwapsTheLastPairsAndSplitsTheFirstGroup)
{
    std::array<std::uint8_t, 17> answer{};
    const std::uint8_t id[] = {0x0A, 0x1B, 0x2C, 0x3D, 0x4E};
    std::copy(std::begin(id), std::end(id), answer.begin() + 5);
    answer[13] = 0x11;
    answer[14] = 0x22;
    answer[15] = 0x33;
    answer[16] = 0x44;
    answer[10] = 0xEE;
    answer[11] = 0xEE;
    answer[12] = 0xEE;  // not part of the ID
    EXPECT_EQ(device::zaq::FormatIdText(answer.data()), "MB: 0A1 B2C 3D 4E 2211 4433");
}

TEST(ZaqProtocol, IdTextAlwaysHasTwentySevenCharactersWithABlankAtSeven)
{
    for (int fill : {0x00, 0x5A, 0xFF}) {
        std::array<std::uint8_t, 17> answer;
        answer.fill(std::uint8_t(fill));
        const std::string text = device::zaq::FormatIdText(answer.data());
        EXPECT_EQ(text.size(), device::zaq::kIdTextLength) << text;
        EXPECT_EQ(text[7], ' ') << text;
        EXPECT_EQ(text.substr(0, 4), "MB: ");
    }
}

TEST(ZaqProtocol, ClipRangeKeepsRequestsInsideTheEeprom)
{
    std::uint32_t count = 10;
    EXPECT_TRUE(device::zaq::ClipRange(255, count));
    EXPECT_EQ(count, 1u);

    count = 1;
    EXPECT_FALSE(device::zaq::ClipRange(256, count));
    EXPECT_EQ(count, 1u);

    count = 0;
    EXPECT_TRUE(device::zaq::ClipRange(0, count));
    EXPECT_EQ(count, 0u);

    count = 256;
    EXPECT_TRUE(device::zaq::ClipRange(0, count));
    EXPECT_EQ(count, 256u);

    // start + count would wrap past 2^32 and look small; the count is still clipped.
    count = 0xFFFFFFFFu;
    EXPECT_TRUE(device::zaq::ClipRange(10, count));
    EXPECT_EQ(count, 246u);
}

TEST(ZaqProtocol, NotificationPackingKeepsCodeHighAndLow16BitsOfValue)
{
    EXPECT_EQ(device::zaq::PackNotification(3, 0x12345), 0x00032345u);
    EXPECT_EQ(device::zaq::PackNotification(1, 4), 0x00010004u);
    EXPECT_EQ(device::zaq::NotificationCode(0x00032345u), 3);
    EXPECT_EQ(device::zaq::NotificationValue(0x00032345u), 0x2345);
}

TEST(ZaqProtocol, DecodedNotificationIsWhatTheEnginePacked)
{
    for (const device::DeviceNotify code :
         {device::NotifyOpened, device::NotifyFinished, device::NotifyIdReady, device::NotifyRangeBegin,
          device::NotifyByteDone, device::NotifyRangeEnd}) {
        for (const std::uint32_t value : {0u, 4u, 256u, 0xFFFFu, 0x12345u}) {
            SCOPED_TRACE(testing::Message() << code << "(" << value << ")");
            const device::DeviceNotification expected{code, std::uint16_t(value & 0xFFFFu)};
            EXPECT_EQ(device::zaq::DecodeNotification(device::zaq::PackNotification(code, value)), expected);
        }
    }
    // Codes the engine does not post come through as they are, for the receiver to ignore.
    EXPECT_EQ(device::zaq::DecodeNotification(0xFFFF0007u),
              (device::DeviceNotification{device::DeviceNotify(0xFFFF), 7}));
}

}  // namespace
