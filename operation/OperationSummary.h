// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a device operation did, in words, for both front ends: a status-bar line for every
// operation, for a range operation that failed which addresses were done and which not, the
// verify's differences, the compare's count and the changed-only count.

#include "operation/OperationRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace operation {

// "Read 256 bytes in 6.1 s", "ID read in 1.2 s", "Device answer timeout at 0x25 after 3.0 s",
// "Written and verified: 00 - FF (25.3 s)", "3 bytes differ: 10, 11, 7F (6.1 s)", "Stopped after
// 1.2 s. Bytes 00 - 3F were compared: 1 byte differs: 12"; a write asked to run without a backup
// says so: "Wrote 256 bytes in 6.1 s, without a backup".
std::string StatusSummary(const OperationRecord& record);

// What a compare found, as the status line has room for: "3 bytes differ: 10, 11, 7F", the first
// few of many followed by "...", "No byte differs (256 compared)".
std::string DifferenceStatusText(const std::vector<std::uint32_t>& differing, std::uint32_t compared);

// The address an operation that failed or stopped was working on: the next one of its running
// pass; kNoAddress when it ended outside a pass or after its last address.
inline constexpr std::uint32_t kNoEndAddress = 0xFFFFFFFF;
std::uint32_t EndAddress(const OperationRecord& record);

// How far a compare that ended early got: "Bytes 00 - 3F were compared: 2 bytes differ: 10, 11",
// "No byte was compared.".
std::string ComparedSoFar(const OperationRecord& record);

// The port that did not open, its device, the system's reason and the remedy: "COM3
// (/dev/ttyS2): Permission denied. Your user may not open serial ports: ..."; empty for any other
// result, or when the engine did not say why.
std::string PortFailureText(const OperationRecord& record);

// For a failed read or write: "Bytes 00 - 55 were written, 56 - FF were not."; for a compare,
// ComparedSoFar; empty for success and for an identification.
std::string RangeSplit(const OperationRecord& record);

// The addresses of the range that a compare or a verify found different from the dump.
std::vector<std::uint32_t> Differences(const OperationRecord& record);

// The addresses of the range with ByteWritten.
std::uint32_t WrittenCount(const OperationRecord& record);

inline constexpr std::size_t kVerifyLines = 16;

// One line per address a verify found different ("0x10: wrote AB, read 00"), the first
// kVerifyLines of them, then "... and N more." for the rest.
std::vector<std::string> VerifyLines(const OperationRecord& record);

// "3 bytes differ: 10, 11, 7F", "No byte differs (256 compared)".
std::string CompareText(const OperationRecord& record);

// "Wrote 2 of 256 bytes; the others already held the dump's values".
std::string ChangedOnlyText(const OperationRecord& record);

// Where a write's backup went ("Backup: PATH") or why it was not stored ("Backup not stored:
// REASON"); empty when the write stored none.
std::string BackupText(const OperationRecord& record);

}  // namespace operation
