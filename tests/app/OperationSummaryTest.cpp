#include "app/OperationSummary.h"

#include <gtest/gtest.h>

namespace {

using namespace app;

TEST(OperationSummary, StatusLineSaysWhatWasDoneAndHowLong)
{
    EXPECT_EQ(StatusSummary({device::OpRead, 0, 256, 256, device::ResultOk, 6.08}),
              "Read 256 bytes in 6.1 s");
    EXPECT_EQ(StatusSummary({device::OpWrite, 0x10, 1, 1, device::ResultOk, 0.96}), "Wrote 1 byte in 1.0 s");
    EXPECT_EQ(StatusSummary({device::OpReadId, 0, 0, 0, device::ResultOk, 1.2}), "ID read in 1.2 s");
    EXPECT_EQ(StatusSummary({device::OpWrite, 0, 256, 86, device::ResultAnswerTimeout, 3.04}),
              "Failed after 3.0 s");
}

TEST(OperationSummary, FailedRangeSaysWhichAddressesWereDoneAndWhichNot)
{
    EXPECT_EQ(RangeSplit({device::OpWrite, 0, 256, 0x56, device::ResultAnswerTimeout}),
              "Bytes 00 - 55 were written, 56 - FF were not.");
    EXPECT_EQ(RangeSplit({device::OpRead, 0x10, 16, 4, device::ResultChecksumError}),
              "Bytes 10 - 13 were read, 14 - 1F keep their values.");
    EXPECT_EQ(RangeSplit({device::OpWrite, 0x20, 8, 0, device::ResultNoAdapter}), "No byte was written.");
    EXPECT_EQ(RangeSplit({device::OpRead, 0x20, 8, 0, device::ResultPortError}),
              "No byte was read; the dump keeps its values.");
    // Nothing to split: success, an identification, a range that was done before the failure.
    EXPECT_EQ(RangeSplit({device::OpWrite, 0, 256, 256, device::ResultOk}), "");
    EXPECT_EQ(RangeSplit({device::OpReadId, 0, 0, 0, device::ResultAnswerTimeout}), "");
    EXPECT_EQ(RangeSplit({device::OpWrite, 0xF0, 16, 16, device::ResultAnswerTimeout}), "");
}

}  // namespace
