// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/OutcomeLines.h"

#include "operation/DeviceResultText.h"
#include "operation/FailureDetail.h"
#include "operation/FormatText.h"
#include "operation/OperationSummary.h"

namespace operation {

OutcomeLines DescribeOutcome(const OperationRecord& record, bool keepsCutRead)
{
    OutcomeLines lines;
    if (record.backup == BackupState::Stored)
        lines.backupStored = BackupText(record);
    if (record.result != device::ResultOk) {
        lines.result = DeviceResultText(record.result, record.refusalCode);
        // A backup not stored says why; nothing was written then.
        const bool cutRead = record.operation == device::OpRead && !keepsCutRead;
        const std::string split = record.result == device::ResultBackupFailed ? BackupText(record)
                                  : cutRead                                   ? std::string()
                                                                              : RangeSplit(record);
        for (const std::string& detail : {PortFailureText(record), FailureDetail(record), split}) {
            if (!detail.empty())
                lines.details.push_back(detail);
        }
        return lines;
    }
    if (record.operation == device::OpWrite) {
        if (const std::size_t differing = Differences(record).size(); differing > 0) {
            lines.verifyCount =
                FormatText(res::IDS_VERIFY_FAILED, unsigned(differing), differing == 1 ? "" : "s");
            lines.verifyLines = VerifyLines(record);
        }
        if (record.changedOnly)
            lines.found = ChangedOnlyText(record);
    } else if (record.operation == device::OpCompare) {
        lines.found = CompareText(record);
    }
    return lines;
}

}  // namespace operation
