// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the front ends say once an operation ended, beside its status line (StatusSummary). The
// window lays the lines out in a message box, probex-cli on its standard error and output.

#include "operation/OperationRecord.h"

#include <string>
#include <vector>

namespace operation {

struct OutcomeLines {
    // A result other than success: its message (empty for a result that has none), then why the
    // port did not open, what happened where (FailureDetail) and what became of the range: which
    // addresses were written, compared or read, or why the backup was not stored.
    std::string result;
    std::vector<std::string> details;
    // Where a write's backup went: "Backup: PATH".
    std::string backupStored;
    // A verify that found differences: how many, then one line for each of the first of them.
    std::string verifyCount;
    std::vector<std::string> verifyLines;
    // What a range operation that succeeded found: the compare's count, the changed-only count.
    std::string found;
};

// keepsCutRead: the bytes a failed read brought stay where they went (the window's dump), so the
// details say which addresses they are; probex-cli keeps FILE as it was and says nothing of them.
OutcomeLines DescribeOutcome(const OperationRecord& record, bool keepsCutRead);

}  // namespace operation
