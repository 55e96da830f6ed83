// SPDX-License-Identifier: GPL-3.0-or-later
// Following the notification stream: the pass, its progress and the address done, and the text
// that names them.
#include <gtest/gtest.h>

#include "operation/OperationProgress.h"

#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace device;
using operation::OperationProgress;
using operation::Pass;
using Seen = std::tuple<Pass, std::uint32_t, std::string>;  // at each NotifyByteDone: pass, address, text

constexpr std::uint32_t kNone = OperationProgress::kNoAddress;

TEST(OperationProgress, NamesThePassTheAddressAndThePercentOfEachByte)
{
    struct Case {
        const char* name;
        DeviceOperation operation;
        std::uint32_t start;
        std::vector<DeviceNotification> stream;
        std::vector<Seen> seen;
    };
    const Case cases[] = {
        {"plain read counts up from the start",
         OpRead,
         0x10,
         {{NotifyOpened},
          {NotifyIdReady},
          {NotifyRangeBegin, 2},
          {NotifyByteDone},
          {NotifyByteDone},
          {NotifyRangeEnd},
          {NotifyFinished}},
         {{Pass::Read, 0x10, "Reading 50 %"}, {Pass::Read, 0x11, "Reading 100 %"}}},
        {"plain write",
         OpWrite,
         0xFE,
         {{NotifyRangeBegin, 1}, {NotifyByteDone}, {NotifyRangeEnd}},
         {{Pass::Write, 0xFE, "Writing 100 %"}}},
        {"changed-only write: the reading, the differing addresses, their verify",
         OpWrite,
         0,
         {{NotifyPassBegin, PassCompare},
          {NotifyRangeBegin, 3},
          {NotifyByteDone, 0},
          {NotifyByteDone, 1},
          {NotifyByteDone, 2},
          {NotifyRangeEnd},
          {NotifyPassBegin, PassWrite},
          {NotifyRangeBegin, 1},
          {NotifyByteDone, 2},
          {NotifyRangeEnd},
          {NotifyPassBegin, PassVerify},
          {NotifyRangeBegin, 1},
          {NotifyByteDone, 2},
          {NotifyRangeEnd},
          {NotifyFinished}},
         {{Pass::Compare, 0, "Reading the device first 33 %"},
          {Pass::Compare, 1, "Reading the device first 66 %"},
          {Pass::Compare, 2, "Reading the device first 100 %"},
          {Pass::Write, 2, "Writing 100 %"},
          {Pass::Verify, 2, "Verifying 100 %"}}},
        {"write backed up first: the whole EEPROM, then an announced write of the range",
         OpWrite,
         0x80,
         {{NotifyPassBegin, PassBackup},
          {NotifyRangeBegin, 2},
          {NotifyByteDone, 0},
          {NotifyByteDone, 1},
          {NotifyRangeEnd},
          {NotifyPassBegin, PassWrite},
          {NotifyRangeBegin, 1},
          {NotifyByteDone, 0x80},
          {NotifyRangeEnd}},
         {{Pass::Backup, 0, "Backing up 50 %"},
          {Pass::Backup, 1, "Backing up 100 %"},
          {Pass::Write, 0x80, "Writing 100 %"}}},
        {"compare",
         OpCompare,
         0x20,
         {{NotifyPassBegin, PassCompare}, {NotifyRangeBegin, 4}, {NotifyByteDone, 0x21}, {NotifyRangeEnd}},
         {{Pass::Compare, 0x21, "Comparing 25 %"}}},
        {"a byte outside a range names none",
         OpRead,
         0,
         {{NotifyByteDone, 7}},
         {{Pass::None, kNone, "100% complete"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OperationProgress progress;
        progress.Begin(c.operation, c.start);
        std::vector<Seen> seen;
        for (const DeviceNotification& notification : c.stream) {
            progress.Follow(notification);
            if (notification.code == NotifyByteDone) {
                seen.emplace_back(progress.CurrentPass(), progress.CurrentAddress(),
                                  PassProgressText(progress));
            }
        }
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(progress.BytesDone(), c.seen.size());
        if (c.stream.size() > 1) {
            EXPECT_EQ(progress.CurrentPass(), Pass::None) << "a range or the connection ended";
            EXPECT_EQ(progress.CurrentAddress(), kNone);
        }
    }
    EXPECT_EQ(operation::PercentText(37), "37% complete");
}

}  // namespace

TEST(OperationProgress, NamesTheWakeUpUntilTheDeviceAnswers)
{
    struct Case {
        DeviceNotification notification;
        bool waking;
    };
    const Case stream[] = {
        {{NotifyOpened}, true},    {{NotifyIdReady}, false}, {{NotifyRangeBegin, 1}, false},
        {{NotifyFinished}, false}, {{NotifyOpened}, true},   {{NotifyFinished, ResultNoAdapter}, false},
    };
    OperationProgress progress;
    progress.Begin(OpRead, 0);
    EXPECT_FALSE(progress.Waking()) << "before the port opened";
    for (const Case& c : stream) {
        progress.Follow(c.notification);
        EXPECT_EQ(progress.Waking(), c.waking) << c.notification.code;
        if (c.waking) {
            EXPECT_EQ(operation::PassProgressText(progress), "Waking the device");
        }
    }
}
