// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/OperationProgress.h"

#include "operation/FormatText.h"

namespace operation {

namespace {

Pass AnnouncedPass(std::uint16_t pass)
{
    switch (pass) {
    case device::PassWrite:
        return Pass::Write;
    case device::PassVerify:
        return Pass::Verify;
    case device::PassBackup:
        return Pass::Backup;
    default:
        return Pass::Compare;
    }
}

}  // namespace

void OperationProgress::Begin(device::DeviceOperation operation, std::uint32_t start)
{
    *this = {};
    operation_ = operation;
    start_ = start;
}

void OperationProgress::Follow(const device::DeviceNotification& notification)
{
    waking_ = notification.code == device::NotifyOpened;
    switch (notification.code) {
    case device::NotifyPassBegin:
        announced_ = true;
        pass_ = AnnouncedPass(notification.value);
        break;
    case device::NotifyRangeBegin:
        if (!announced_)
            pass_ = operation_ == device::OpRead ? Pass::Read : Pass::Write;
        total_ = notification.value;
        done_ = 0;
        next_ = start_;
        address_ = kNoAddress;
        break;
    case device::NotifyByteDone:
        ++done_;
        ++bytesDone_;
        // Outside a range no byte is named; inside an announced pass the notification names it.
        address_ = next_ != kNoAddress && announced_ ? notification.value : next_;
        if (next_ != kNoAddress)
            ++next_;
        break;
    case device::NotifyRangeEnd:
    case device::NotifyFinished:
        pass_ = Pass::None;
        announced_ = false;
        next_ = address_ = kNoAddress;
        break;
    default:
        break;
    }
}

int OperationProgress::Percent() const
{
    // A range of 0 bytes sends no steps; this only keeps a stray one harmless.
    return total_ ? static_cast<int>(std::uint64_t{done_} * 100 / total_) : 100;
}

std::string PercentText(int percent)
{
    return FormatText(res::IDS_PERCENT_COMPLETE, percent);
}

std::string PassProgressText(const OperationProgress& progress)
{
    if (progress.Waking())
        return res::LoadString(res::IDS_PASS_WAKING);
    const int percent = progress.Percent();
    switch (progress.CurrentPass()) {
    case Pass::Read:
        return FormatText(res::IDS_PASS_READING, percent);
    case Pass::Write:
        return FormatText(res::IDS_PASS_WRITING, percent);
    case Pass::Verify:
        return FormatText(res::IDS_PASS_VERIFYING, percent);
    case Pass::Backup:
        return FormatText(res::IDS_BACKUP_PROGRESS, percent);
    case Pass::Compare:
        return FormatText(progress.Operation() == device::OpWrite ? res::IDS_PASS_READING_FIRST
                                                                  : res::IDS_PASS_COMPARING,
                          percent);
    default:
        return PercentText(percent);
    }
}

}  // namespace operation
