// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/Operation.h"

#include "operation/BackupFiles.h"

#include <algorithm>

namespace operation {

bool Operation::Start(const OperationRequest& request, const std::uint8_t* dump)
{
    const AddressRange range = request.range;
    record_ = OperationRecord{};
    record_.operation = request.operation;
    record_.start = range.start;
    record_.count = range.count;
    record_.verify = request.verify;
    record_.changedOnly = request.changedOnly;
    record_.port = request.port;
    progress_.Begin(request.operation, range.start);
    arrived_ = kNoAddress;
    began_ = std::chrono::steady_clock::now();

    engine_.portName = request.port;
    engine_.answerTimeoutMs = request.timeoutMs;
    engine_.idText.clear();
    engine_.verifyAfterWrite = request.verify;
    engine_.writeChangedOnly = request.changedOnly;
    engine_.sendWholeFrames = request.wholeFrames;
    engine_.frameByteGapMs = request.byteGapMs;
    if (request.operation == device::OpWrite)
        backups_.Arm(request.backup, BackupsFolder());
    // The engine's trace tells a write asked to back up from one that was not.
    const bool backup = request.operation == device::OpWrite && request.backup;
    engine_.backupSink = backup ? &backups_ : nullptr;
    const bool takesDump = request.operation == device::OpWrite || request.operation == device::OpCompare;
    if (takesDump && dump && range.start < staging_.size()) {
        const std::uint32_t end = std::min<std::uint32_t>(range.start + range.count, staging_.size());
        std::copy(dump + range.start, dump + end, staging_.begin() + range.start);
    }
    switch (request.operation) {
    case device::OpRead:
        return engine_.StartRead(staging_.data(), range.start, range.count, request.lastOperation);
    case device::OpWrite:
        return engine_.StartWrite(staging_.data(), range.start, range.count, request.lastOperation);
    case device::OpCompare:
        return engine_.StartCompare(staging_.data(), range.start, range.count, request.lastOperation);
    default:
        return engine_.StartReadId(request.lastOperation);
    }
}

void Operation::Follow(const device::DeviceNotification& notification)
{
    // The engine's start is the request's, as no request is taken while one runs.
    if (notification.code == device::NotifyRangeBegin)
        progress_.SetRangeStart(engine_.start);
    // Where the operation stood, before the end of it closes the pass.
    const Pass pass = progress_.CurrentPass();
    const std::uint32_t passDone = progress_.Done();
    progress_.Follow(notification);
    arrived_ = notification.code == device::NotifyByteDone && progress_.CurrentPass() == Pass::Read
                   ? progress_.CurrentAddress()
                   : kNoAddress;
    if (notification.code != device::NotifyFinished)
        return;
    record_.result = notification.value;
    record_.done = progress_.BytesDone();
    record_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began_).count();
    record_.refusalCode = engine_.refusalCode;
    record_.openError = engine_.openError;
    record_.openErrno = engine_.openErrno;
    record_.endPass = pass;
    record_.endPassDone = passDone;
    record_.idText = engine_.idText;
    std::copy(std::begin(engine_.byteState), std::end(engine_.byteState), record_.byteState.begin());
    std::copy(std::begin(engine_.readBack), std::end(engine_.readBack), record_.readBack.begin());
    record_.data = staging_;
    if (record_.operation == device::OpWrite)
        backups_.FillRecord(record_);
}

}  // namespace operation
