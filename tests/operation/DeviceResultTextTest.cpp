// SPDX-License-Identifier: GPL-3.0-or-later
// The message for each engine result, as both front ends give it.
#include <gtest/gtest.h>

#include "device/DeviceZaqTypes.h"
#include "operation/DeviceResultText.h"

namespace {

using operation::DeviceResultMessage;
using operation::DeviceResultText;

TEST(DeviceResultText, EachDeviceFailureHasItsOwnMessageAndSuccessNone)
{
    EXPECT_EQ(DeviceResultMessage(device::ResultOk), 0u);
    EXPECT_EQ(DeviceResultMessage(device::ResultPortError), res::IDS_PORT_ERROR);
    EXPECT_EQ(DeviceResultMessage(device::ResultAnswerTimeout), res::IDS_ANSWER_TIMEOUT);
    EXPECT_EQ(DeviceResultMessage(device::ResultNoAdapter), res::IDS_NO_ADAPTER);
    EXPECT_EQ(DeviceResultMessage(device::ResultChecksumError), res::IDS_CHECKSUM_ERROR);
    EXPECT_EQ(DeviceResultMessage(device::ResultRefused), res::IDS_DEVICE_REFUSED);
    EXPECT_EQ(DeviceResultMessage(device::ResultLineError), res::IDS_LINE_ERROR);
    EXPECT_EQ(DeviceResultText(device::ResultShortAnswer, 0), "Device answer too short");
    EXPECT_EQ(DeviceResultText(device::ResultUnexpectedAnswer, 0), "Device answered another request");
    EXPECT_EQ(DeviceResultMessage(8), 0u) << "8 stays free";
    EXPECT_EQ(DeviceResultMessage(0xFFFF), 0u);
}

TEST(DeviceResultText, NamesTheRefusalReasonAndNothingElseTakesIt)
{
    EXPECT_EQ(DeviceResultText(device::ResultRefused, 0x31), "Device refused the request (code 31)");
    EXPECT_EQ(DeviceResultText(device::ResultRefused, 0x0A), "Device refused the request (code 0A)");
    EXPECT_EQ(DeviceResultText(device::ResultAnswerTimeout, 0x31), "Device answer timeout");
    EXPECT_EQ(DeviceResultText(device::ResultOk, 0x31), "");
}

TEST(DeviceResultText, StoppedHasItsOwnResultMessage)
{
    EXPECT_EQ(DeviceResultMessage(device::ResultStopped), res::IDS_STOPPED);
    EXPECT_EQ(DeviceResultText(device::ResultStopped, 0),
              "Stopped; the device connection was closed cleanly");
}

}  // namespace
