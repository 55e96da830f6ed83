// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/OperationSummary.h"

#include "operation/DeviceResultText.h"
#include "operation/FormatText.h"
#include "operation/OpenFailureText.h"
#include "operation/RangeText.h"
#include "platform/ErrorCodes.h"
#include "platform/PortNames.h"

#include <algorithm>
#include <cstdio>

namespace operation {

namespace {

const char* Plural(std::uint32_t count)
{
    return count == 1 ? "" : "s";
}

// A status line has room for a few addresses only.
constexpr std::size_t kStatusAddresses = 8;

std::string ShortList(const std::vector<std::uint32_t>& addresses)
{
    const std::vector<std::uint32_t> shown(addresses.begin(),
                                           addresses.begin() + std::min(addresses.size(), kStatusAddresses));
    std::string text;
    char hex[8];
    for (const std::uint32_t address : shown) {
        std::snprintf(hex, sizeof hex, "%02X", unsigned(address));
        text += (text.empty() ? "" : ", ") + std::string(hex);
    }
    return shown.size() < addresses.size() ? text + ", ..." : text;
}

std::string CompareSummary(const OperationRecord& record)
{
    return FormatText(res::IDS_TIMED, DifferenceStatusText(Differences(record), record.count).c_str(),
                      record.seconds);
}

std::vector<std::uint32_t> WrittenAddresses(const OperationRecord& record)
{
    std::vector<std::uint32_t> written;
    for (std::uint32_t address = record.start; address < record.start + record.count; ++address) {
        if (record.byteState[address] & device::ByteWritten)
            written.push_back(address);
    }
    return written;
}

std::string WriteSummary(const OperationRecord& record)
{
    const std::vector<std::uint32_t> written = WrittenAddresses(record);
    const auto count = static_cast<std::uint32_t>(written.size());
    if (record.verify) {
        if (const std::vector<std::uint32_t> differing = Differences(record); !differing.empty()) {
            return FormatText(res::IDS_VERIFY_FAILED_STATUS, unsigned(differing.size()),
                              differing.size() == 1 ? "" : "s", differing.size() == 1 ? "s" : "",
                              ShortList(differing).c_str(), record.seconds);
        }
    }
    if (record.changedOnly) {
        return FormatText(record.verify ? res::IDS_DONE_CHANGED_VERIFIED : res::IDS_DONE_CHANGED, count,
                          Plural(count), record.count, record.seconds);
    }
    if (record.verify && count > 0)
        return FormatText(res::IDS_DONE_VERIFIED, AddressRuns(written).c_str(), record.seconds);
    return FormatText(res::IDS_DONE_WRITE, record.count, Plural(record.count), record.seconds);
}

std::string FailureSummary(const OperationRecord& record)
{
    const std::string text = DeviceResultText(record.result, record.refusalCode);
    if (text.empty())
        return FormatText(res::IDS_FAILED_AFTER, record.seconds);
    const std::string cause = text.substr(0, text.find('\n'));
    if (const std::uint32_t address = EndAddress(record); address != kNoEndAddress)
        return FormatText(res::IDS_FAILED_AT, cause.c_str(), unsigned(address), record.seconds);
    return FormatText(res::IDS_FAILED_CAUSE, cause.c_str(), record.seconds);
}

// The addresses a pass visits: those of the range whose byteState has all of `need`.
std::uint8_t PassNeed(Pass pass)
{
    switch (pass) {
    case Pass::Write:
        return device::BytePlanned;
    case Pass::Verify:
        return device::ByteWritten;
    default:
        return 0;
    }
}

}  // namespace

std::string DifferenceStatusText(const std::vector<std::uint32_t>& differing, std::uint32_t compared)
{
    if (differing.size() > kStatusAddresses)
        return FormatText(res::IDS_BYTES_DIFFER, unsigned(differing.size()), ShortList(differing).c_str());
    return DifferenceCountText(differing, compared);
}

std::uint32_t EndAddress(const OperationRecord& record)
{
    if (record.endPass == Pass::None)
        return kNoEndAddress;
    // The backup reads the whole EEPROM, whatever the range, from address 0 up.
    if (record.endPass == Pass::Backup)
        return record.endPassDone < kEepromBytes ? record.endPassDone : kNoEndAddress;
    const std::uint8_t need = PassNeed(record.endPass);
    std::uint32_t visited = 0;
    for (std::uint32_t address = record.start; address < record.start + record.count; ++address) {
        if ((record.byteState[address] & need) == need && visited++ == record.endPassDone)
            return address;
    }
    return kNoEndAddress;
}

std::string ComparedSoFar(const OperationRecord& record)
{
    std::vector<std::uint32_t> compared;
    for (std::uint32_t address = record.start; address < record.start + record.count; ++address) {
        if (record.byteState[address] & device::ByteRead)
            compared.push_back(address);
    }
    if (compared.empty())
        return res::LoadString(res::IDS_COMPARED_NONE);
    const std::string found = DifferenceCountText(Differences(record), unsigned(compared.size()));
    return FormatText(res::IDS_COMPARED_SO_FAR, AddressRuns(compared).c_str(), found.c_str());
}

std::string PortFailureText(const OperationRecord& record)
{
    if (record.result != device::ResultPortError || record.openError == 0 || record.port.empty())
        return {};
    const int err = record.openErrno ? record.openErrno : platform::ErrnoOfCode(record.openError);
    return DescribeOpenFailure({record.port, platform::DevicePathOf(record.port), err});
}

std::string StatusSummary(const OperationRecord& record)
{
    if (record.result == device::ResultStopped) {
        return record.operation == device::OpCompare
                   ? FormatText(res::IDS_STOPPED_COMPARE, record.seconds, ComparedSoFar(record).c_str())
                   : FormatText(res::IDS_STOPPED_AFTER, record.seconds);
    }
    if (record.result != device::ResultOk)
        return FailureSummary(record);
    switch (record.operation) {
    case device::OpRead:
        return FormatText(res::IDS_DONE_READ, record.done, Plural(record.done), record.seconds);
    case device::OpWrite:
        return record.backup == BackupState::Off
                   ? FormatText(res::IDS_WITHOUT_BACKUP, WriteSummary(record).c_str())
                   : WriteSummary(record);
    case device::OpCompare:
        return CompareSummary(record);
    default:
        return FormatText(res::IDS_DONE_READ_ID, record.seconds);
    }
}

std::string RangeSplit(const OperationRecord& record)
{
    if (record.result == device::ResultOk || record.count == 0)
        return {};
    if (record.operation == device::OpCompare)
        return ComparedSoFar(record);
    if (record.operation == device::OpWrite) {
        // The engine's own account: a byte whose last step went out unanswered is named apart.
        return WriteAccountText(record.byteState.data(), record.start, record.count);
    }
    if (record.operation != device::OpRead)
        return {};
    const std::uint32_t done = std::min(record.done, record.count);
    if (done == 0)
        return res::LoadString(res::IDS_READ_NONE);
    const std::uint32_t last = record.start + record.count - 1;
    const std::uint32_t lastDone = record.start + done - 1;
    // Every byte done, yet the connection failed after them (at its close).
    if (lastDone == last)
        return {};
    return FormatText(res::IDS_READ_PART, record.start, lastDone, lastDone + 1, last);
}

std::vector<std::uint32_t> Differences(const OperationRecord& record)
{
    return DifferingAddresses(record.byteState.data(), record.start, record.count);
}

std::uint32_t WrittenCount(const OperationRecord& record)
{
    return static_cast<std::uint32_t>(WrittenAddresses(record).size());
}

std::vector<std::string> VerifyLines(const OperationRecord& record)
{
    const std::vector<std::uint32_t> differing = Differences(record);
    const std::size_t shown = std::min(differing.size(), kVerifyLines);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < shown; ++i) {
        lines.push_back(
            VerifyDifferenceText(differing[i], record.data[differing[i]], record.readBack[differing[i]]));
    }
    if (shown < differing.size())
        lines.push_back(FormatText(res::IDS_MORE_DIFFERENCES, unsigned(differing.size() - shown)));
    return lines;
}

std::string CompareText(const OperationRecord& record)
{
    return DifferenceCountText(Differences(record), record.count);
}

std::string ChangedOnlyText(const OperationRecord& record)
{
    return FormatText(res::IDS_WRITTEN_CHANGED, unsigned(WrittenCount(record)), unsigned(record.count));
}

std::string BackupText(const OperationRecord& record)
{
    switch (record.backup) {
    case BackupState::Stored:
        return FormatText(res::IDS_BACKUP_STORED, record.backupPath.c_str());
    case BackupState::Failed:
        return FormatText(res::IDS_BACKUP_REASON, record.backupError.c_str());
    default:
        return {};
    }
}

}  // namespace operation
