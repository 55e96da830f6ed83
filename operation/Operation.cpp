// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/Operation.h"

#include "device/CDeviceZAQ.h"
#include "device/ZaqProtocol.h"
#include "operation/BackupFiles.h"
#include "operation/OpenFailureText.h"

#include <algorithm>

namespace operation {

std::uint32_t Operation::PostedMessage()
{
    return device::g_deviceZaqMessage;
}

Operation::Operation() : engine_(std::make_unique<device::CDeviceZAQ>())
{
    engine_->describeOpenFailure = &DescribeOpenFailure;
}

Operation::~Operation() = default;

void Operation::StartWorker()
{
    if (engine_->GetThreadHandle() == device::CThreadEx::kNoThread)
        engine_->Start();
}

void Operation::SetTraceSink(device::TraceSink* sink)
{
    engine_->traceSink = sink;
}

void Operation::SetEngineTiming(const EngineTiming& timing)
{
    engine_->pulseMs = timing.pulseMs;
    engine_->idleAfterPulse1Ms = timing.idleAfterPulse1Ms;
    engine_->idleAfterPulse2Ms = timing.idleAfterPulse2Ms;
    engine_->pauseAfterAnswerMs = timing.pauseAfterAnswerMs;
}

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
    record_.timeoutMs = request.timeoutMs;
    progress_.Begin(request.operation, range.start);
    idText_.clear();
    idBytes_ = {};
    arrived_ = kNoAddress;
    began_ = std::chrono::steady_clock::now();

    device::CDeviceZAQ& engine = *engine_;
    engine.portName = request.port;
    engine.answerTimeoutMs = request.timeoutMs;
    engine.idText.clear();
    engine.idBytes = {};
    engine.verifyAfterWrite = request.verify;
    engine.writeChangedOnly = request.changedOnly;
    engine.sendWholeFrames = request.wholeFrames;
    engine.frameByteGapMs = request.byteGapMs;
    if (request.operation == device::OpWrite)
        backups_.Arm(request.backup, DefaultBackupsRoot());
    // The engine's trace tells a write asked to back up from one that was not.
    const bool backup = request.operation == device::OpWrite && request.backup;
    engine.backupSink = backup ? &backups_ : nullptr;
    const bool takesDump = request.operation == device::OpWrite || request.operation == device::OpCompare;
    if (takesDump && dump && range.start < staging_.size()) {
        const std::uint32_t end = std::min<std::uint32_t>(range.start + range.count, staging_.size());
        std::copy(dump + range.start, dump + end, staging_.begin() + range.start);
    }
    switch (request.operation) {
    case device::OpRead:
        return engine.StartRead(staging_.data(), range.start, range.count, request.lastOperation);
    case device::OpWrite:
        return engine.StartWrite(staging_.data(), range.start, range.count, request.lastOperation);
    case device::OpCompare:
        return engine.StartCompare(staging_.data(), range.start, range.count, request.lastOperation);
    default:
        return engine.StartReadId(request.lastOperation);
    }
}

void Operation::RequestStop()
{
    engine_->RequestStop();
}

bool Operation::IsPortFree(const std::string& port) const
{
    return engine_->IsPortFree(port);
}

device::DeviceNotification Operation::Follow(std::uintptr_t wParam)
{
    const device::DeviceNotification notification = device::zaq::DecodeNotification(std::uint32_t(wParam));
    // Where the operation stood, before the end of it closes the pass.
    const Pass pass = progress_.CurrentPass();
    const std::uint32_t passDone = progress_.Done();
    progress_.Follow(notification);
    arrived_ = notification.code == device::NotifyByteDone && progress_.CurrentPass() == Pass::Read
                   ? progress_.CurrentAddress()
                   : kNoAddress;
    // The worker set the ID before it posted this, and touches it no more in this request.
    if (notification.code == device::NotifyIdReady) {
        idText_ = engine_->idText;
        idBytes_ = engine_->idBytes;
    }
    if (notification.code != device::NotifyFinished)
        return notification;
    const device::CDeviceZAQ& engine = *engine_;
    record_.result = notification.value;
    record_.done = progress_.BytesDone();
    record_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began_).count();
    record_.refusalCode = engine.refusalCode;
    record_.openError = engine.openError;
    record_.openErrno = engine.openErrno;
    record_.endPass = pass;
    record_.endPassDone = passDone;
    record_.idText = engine.idText;
    record_.end = engine.lastEnd;
    record_.idBytes = engine.idBytes;
    std::copy(std::begin(engine.byteState), std::end(engine.byteState), record_.byteState.begin());
    std::copy(std::begin(engine.readBack), std::end(engine.readBack), record_.readBack.begin());
    record_.data = staging_;
    if (record_.operation == device::OpWrite)
        backups_.FillRecord(record_);
    return notification;
}

}  // namespace operation
