// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of a request both front ends check alike: the range and the time-out.
#include <gtest/gtest.h>

#include "operation/FormatText.h"
#include "operation/OperationRequest.h"

#include <string>
#include <tuple>

namespace {

using operation::RequestRange;

TEST(OperationRequest, CountZeroIsTheWholeEepromAndARangeIsClippedToIt)
{
    struct Case {
        std::uint32_t start, count, wantStart, wantCount;
    };
    const Case cases[] = {
        {0x40, 0, 0, 256},  {0x10, 16, 0x10, 16}, {0xF0, 0x20, 0xF0, 0x10},
        {0xFF, 1, 0xFF, 1}, {0x100, 4, 0x100, 0}, {0x10, 0xFFFFFFFF, 0x10, 0xF0},
    };
    for (const Case& c : cases) {
        const operation::AddressRange range = RequestRange(c.start, c.count);
        EXPECT_EQ(range.start, c.wantStart) << c.start << "+" << c.count;
        EXPECT_EQ(range.count, c.wantCount) << c.start << "+" << c.count;
    }
}

TEST(OperationRequest, TimeoutIsOneToThirtySeconds)
{
    const std::pair<std::optional<std::int64_t>, std::string> cases[] = {
        {1, ""},
        {30, ""},
        {0, "Please enter an integer between 1 and 30."},
        {31, "Please enter an integer between 1 and 30."},
        {-5, "Please enter an integer between 1 and 30."},
        {std::nullopt, "Please enter a positive integer."},
    };
    for (const auto& [seconds, problem] : cases)
        EXPECT_EQ(operation::TimeoutProblem(seconds), problem) << seconds.value_or(-1);
}

TEST(OperationRequest, RangeQuestionSaysWhatTheOperationWillDo)
{
    const std::tuple<device::DeviceOperation, bool, std::string> cases[] = {
        {device::OpRead, false, "EEPROM range 00 - FF will be read.\nAre you sure?"},
        {device::OpWrite, false, "EEPROM range 00 - FF will be overwrite.\nAre you sure?"},
        {device::OpWrite, true,
         "Bytes of 00 - FF that differ from the device will be written.\nAre you sure?"},
        {device::OpCompare, false, "EEPROM range 00 - FF will be compared with the dump.\nAre you sure?"},
    };
    for (const auto& [kind, changedOnly, question] : cases)
        EXPECT_EQ(operation::FormatText(operation::RangeQuestion(kind, changedOnly), 0u, 0xFFu), question);
}
}  // namespace
