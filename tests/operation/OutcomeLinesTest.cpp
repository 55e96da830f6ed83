// SPDX-License-Identifier: GPL-3.0-or-later
// What both front ends say once an operation ended, part by part.
#include "operation/OutcomeLines.h"

#include <gtest/gtest.h>

namespace {

using namespace operation;
using namespace device;

// Each part with its name, empty ones left out.
std::vector<std::string> Parts(const OutcomeLines& lines)
{
    std::vector<std::string> parts;
    const auto add = [&](const char* name, const std::string& text) {
        if (!text.empty())
            parts.push_back(name + text);
    };
    add("result: ", lines.result);
    for (const std::string& detail : lines.details)
        add("detail: ", detail);
    add("backup: ", lines.backupStored);
    add("verify: ", lines.verifyCount);
    for (const std::string& line : lines.verifyLines)
        add("verify: ", line);
    add("found: ", lines.found);
    return parts;
}

// A range of 10 - 13 that ended with `result`, each address in `state`.
OperationRecord Ended(DeviceOperation operation, std::uint16_t result, std::uint8_t state = 0)
{
    OperationRecord record{operation, 0x10, 4, 0, result, 1.0, true};
    for (std::uint32_t a = 0x10; a < 0x14; ++a)
        record.byteState[a] = state;
    return record;
}

TEST(OutcomeLines, EachEndSaysWhatWentWrongOrWhatWasFound)
{
    OperationRecord verified = Ended(OpWrite, ResultOk, BytePlanned | ByteWritten);
    verified.byteState[0x11] |= ByteRead | ByteDiffers;
    verified.data[0x11] = 0xAB;
    OperationRecord changedOnly = Ended(OpWrite, ResultOk, BytePlanned);
    changedOnly.changedOnly = true;
    changedOnly.byteState[0x12] |= ByteWritten;
    OperationRecord compared = Ended(OpCompare, ResultOk, ByteRead);
    compared.byteState[0x11] |= ByteDiffers;
    OperationRecord stoppedCompare = Ended(OpCompare, ResultStopped);
    stoppedCompare.byteState[0x10] = ByteRead;
    OperationRecord cutRead = Ended(OpRead, ResultAnswerTimeout);
    cutRead.done = 2;
    cutRead.timeoutMs = 2000;
    cutRead.end.place = {device::TraceStep::Read, 0x12, 0, 8, 1, true};
    OperationRecord noBackup = Ended(OpWrite, ResultBackupFailed, BytePlanned);
    noBackup.backup = BackupState::Failed;
    noBackup.backupError = "/b: Permission denied";
    OperationRecord backedUp = Ended(OpWrite, ResultAnswerTimeout, BytePlanned);
    backedUp.backup = BackupState::Stored;
    backedUp.backupPath = "/b/1.bin";
    const struct {
        const char* what;
        OperationRecord record;
        bool keepsCutRead;
        std::vector<std::string> parts;
    } cases[] = {
        {"success", Ended(OpRead, ResultOk), true, {}},
        {"verify",
         verified,
         true,
         {"verify: Verify after write found 1 byte different from the dump:",
          "verify: 0x11: wrote AB, read 00"}},
        {"changed only",
         changedOnly,
         true,
         {"found: Wrote 1 of 4 bytes; the others already held the dump's values"}},
        {"compare", compared, false, {"found: 1 byte differs: 11"}},
        {"stopped compare",
         stoppedCompare,
         false,
         {"result: Stopped; the device connection was closed cleanly",
          "detail: Bytes 10 were compared: No byte differs (1 compared)"}},
        {"read kept",
         cutRead,
         true,
         {"result: Device answer timeout",
          "detail: Waited 2.0 s for byte 1 of the answer in the read of 0x12; it did not come.",
          "detail: Bytes 10 - 11 were read, 12 - 13 keep their values."}},
        {"read not kept",
         cutRead,
         false,
         {"result: Device answer timeout",
          "detail: Waited 2.0 s for byte 1 of the answer in the read of 0x12; it did not come."}},
        {"backup not stored",
         noBackup,
         false,
         {"result: Nothing was written: the EEPROM backup could not be stored",
          "detail: Backup not stored: /b: Permission denied"}},
        {"backed up, then failed",
         backedUp,
         false,
         {"result: Device answer timeout", "detail: It happened in the opening of the port.",
          "detail: No byte was written.", "backup: Backup: /b/1.bin"}},
        {"result without a message",
         Ended(OpWrite, 8, BytePlanned),
         false,
         {"detail: It happened in the opening of the port.", "detail: No byte was written."}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parts(DescribeOutcome(c.record, c.keepsCutRead)), c.parts) << c.what;
}

}  // namespace
