// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What happened, where and when, under the message of a failed operation: the step of the
// connection, the byte sent or awaited and how long it was awaited, from the facts the connection
// log's last line is made from (OperationRecord::end).

#include "operation/OperationRecord.h"

#include <string>

namespace operation {

// "Waited 1.0 s for the echo of byte 5 sent in the identification; it did not come.", "Waited
// 3.0 s for byte 1 of the answer in the verify's read of 0x25; it did not come.", "The port went
// away at byte 2 sent in step 3 of 4 of the write of 0x25 (Input/output error): ..."; empty for
// success, a stop, a port that did not open and a backup not stored, which say it otherwise.
std::string FailureDetail(const OperationRecord& record);

}  // namespace operation
