#include "app/CProbexDoc.h"

#include "app/DocumentTextsFromStringTable.h"
#include "app/OperationSummary.h"
#include "app/ResourceText.h"
#include "app/ViewHint.h"
#include "app/docview/CArchive.h"
#include "app/docview/CPrompts.h"
#include "device/CExceptionEx.h"
#include "res/DeviceResultText.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace app {

namespace {

bool AskLastOperation()
{
    return ShowMessage(res::IDS_LAST_OPERATION, MessageButtons::YesNo, MessageIcon::Question) ==
           MessageAnswer::Yes;
}

void RefuseWhileBusy()
{
    ShowMessage(res::IDS_DEVICE_BUSY, MessageButtons::Ok, MessageIcon::Exclamation);
}

}  // namespace

CProbexDoc::CProbexDoc() : CDocument(DocumentTextsFromStringTable()) {}

CProbexDoc::~CProbexDoc() = default;

bool CProbexDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    dumpSize = device.eepromSize;
    dumpData = std::make_unique<std::uint8_t[]>(dumpSize);  // zero-filled
    device.idText.clear();
    if (device.GetThreadHandle() == device::CThreadEx::kNoThread) {
        try {
            device.Start();
        } catch (const device::CExceptionEx&) {
            return false;  // no worker: the document is of no use
        }
    }
    return true;
}

bool CProbexDoc::OnSaveDocument(const QString& path)
{
    if (!CDocument::OnSaveDocument(path))
        return false;
    UpdateAllViews(HintSaved);
    return true;
}

void CProbexDoc::Serialize(CArchive& archive)
{
    if (archive.IsStoring()) {
        archive.Write(dumpData.get(), dumpSize);
        return;
    }
    if (archive.GetFileLength() != device.eepromSize) {
        ShowMessage(res::IDS_WRONG_FILE_SIZE, MessageButtons::Ok, MessageIcon::Error);
        archive.Refuse();  // name, path, flag and views stay: saving must not hit that file
        return;
    }
    // Read aside first: a read cut short must not leave the dump half replaced.
    std::vector<std::uint8_t> loaded(dumpSize);
    if (archive.Read(loaded.data(), loaded.size()))
        std::ranges::copy(loaded, dumpData.get());
}

bool CProbexDoc::PrepareRequest(const std::string& portName, std::uint32_t timeoutMs)
{
    if (deviceBusy_) {
        RefuseWhileBusy();
        return false;
    }
    device.idText.clear();
    device.portName = portName;
    device.answerTimeoutMs = timeoutMs;
    return true;
}

void CProbexDoc::ReadId(const std::string& portName, std::uint32_t timeoutMs)
{
    if (!PrepareRequest(portName, timeoutMs))
        return;
    UpdateAllViews(HintShowId);
    const bool lastOperation = AskLastOperation();
    BeginRecord(device::OpReadId, 0, 0);
    deviceBusy_ = device.StartReadId(lastOperation);
}

void CProbexDoc::ReadRange(const std::string& portName, std::uint32_t timeoutMs, std::uint32_t start,
                           std::uint32_t count)
{
    if (!PrepareRequest(portName, timeoutMs))
        return;
    if (count == 0) {
        start = 0;
        count = device.eepromSize;
    }
    const bool lastOperation = AskLastOperation();
    // Only bytes inside the dump are cleared, whatever range the caller asked for.
    const std::uint64_t end = std::min<std::uint64_t>(std::uint64_t{start} + count, dumpSize);
    pendingRead_ = {};
    if (start < end) {
        pendingRead_.start = start;
        pendingRead_.before.assign(dumpData.get() + start, dumpData.get() + end);
        std::fill(dumpData.get() + start, dumpData.get() + end, std::uint8_t{0});
    }
    UpdateAllViews(HintShowId);
    BeginRecord(device::OpRead, start, count);
    deviceBusy_ = device.StartRead(dumpData.get(), start, count, lastOperation);
    if (start < end) {
        readSpan_ = {start, static_cast<std::uint32_t>(end - 1)};
        reading_ = deviceBusy_;
    }
    if (!deviceBusy_) {
        RestoreUnreadBytes();
        pendingRead_ = {};
        if (start < end)
            UpdateAllViews(HintReadDone);
    }
}

void CProbexDoc::WriteRange(const std::string& portName, std::uint32_t timeoutMs, std::uint32_t start,
                            std::uint32_t count)
{
    bool lastOperation = false;
    if (!PrepareDeviceRange(portName, timeoutMs, start, count, lastOperation))
        return;
    BeginRecord(device::OpWrite, start, count);
    device.verifyAfterWrite = record_.verify = verifyAfterWrite;
    device.writeChangedOnly = record_.changedOnly = writeChangedOnly;
    deviceBusy_ = device.StartWrite(dumpData.get(), start, count, lastOperation);
}

void CProbexDoc::CompareRange(const std::string& portName, std::uint32_t timeoutMs, std::uint32_t start,
                              std::uint32_t count)
{
    bool lastOperation = false;
    if (!PrepareDeviceRange(portName, timeoutMs, start, count, lastOperation))
        return;
    BeginRecord(device::OpCompare, start, count);
    deviceBusy_ = device.StartCompare(dumpData.get(), start, count, lastOperation);
}

bool CProbexDoc::PrepareDeviceRange(const std::string& portName, std::uint32_t timeoutMs,
                                    std::uint32_t& start, std::uint32_t& count, bool& lastOperation)
{
    if (!PrepareRequest(portName, timeoutMs))
        return false;
    UpdateAllViews(HintShowId);
    if (count == 0) {
        start = 0;
        count = device.eepromSize;
    }
    lastOperation = AskLastOperation();
    return true;
}

void CProbexDoc::StopDevice()
{
    if (deviceBusy_)
        device.RequestStop();
}

bool CProbexDoc::IsPortFree(const std::string& portName) const
{
    return device.IsPortFree(portName);
}

std::string CProbexDoc::GetIdText() const
{
    return device.idText;
}

void CProbexDoc::OnDeviceNotify(const device::DeviceNotification& notification)
{
    switch (notification.code) {
    case device::NotifyOpened:
        UpdateAllViews(HintBusy);
        break;
    case device::NotifyFinished:
        OnFinished(notification.value);
        break;
    case device::NotifyIdReady:
        UpdateAllViews(HintShowId);
        break;
    case device::NotifyPassBegin:
        inPass_ = true;
        break;
    case device::NotifyRangeBegin:
        // The engine's start is the request's, as no request is taken while one runs.
        nextByte_ = device.start;
        lastByteDone_ = kNoByte;
        break;
    case device::NotifyByteDone:
        ++record_.done;
        // Outside a range no byte is named; inside a pass the notification names it.
        lastByteDone_ = nextByte_ != kNoByte && inPass_ ? notification.value : nextByte_;
        if (nextByte_ != kNoByte)
            ++nextByte_;
        UpdateAllViews(HintRepaint);
        break;
    case device::NotifyRangeEnd:
        nextByte_ = lastByteDone_ = kNoByte;
        inPass_ = false;
        break;
    default:
        break;
    }
}

void CProbexDoc::OnFinished(std::uint16_t result)
{
    deviceBusy_ = false;
    inPass_ = false;
    nextByte_ = lastByteDone_ = kNoByte;
    record_.result = result;
    record_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began_).count();
    std::copy(std::begin(device.byteState), std::end(device.byteState), record_.byteState.begin());
    if (result != device::ResultOk && !pendingRead_.before.empty()) {
        RestoreUnreadBytes();
        UpdateAllViews(HintReadCutShort);
    }
    pendingRead_ = {};
    // Even a read cut short replaced bytes under the editor's undo history.
    if (reading_) {
        reading_ = false;
        UpdateAllViews(HintReadDone);
    }
    // Whatever a compare or verify found, as far as it got, is what the device holds now. A write
    // without verify leaves what the device holds unknown, and bytes read agree with it; with no
    // marks shown those two tell the views nothing.
    const bool marked = std::ranges::find(differences_, true) != differences_.end();
    const bool checked =
        record_.operation == device::OpCompare || (record_.operation == device::OpWrite && record_.verify);
    if (checked || (record_.operation == device::OpWrite && marked)) {
        differences_.assign(dumpSize, false);
        if (checked)
            for (const std::uint32_t address : app::Differences(record_))
                if (address < dumpSize)
                    differences_[address] = true;
        UpdateAllViews(HintDifferences);
    } else if (record_.operation == device::OpRead && marked) {
        const std::uint32_t end = std::min<std::uint32_t>(record_.start + record_.done, dumpSize);
        std::fill(differences_.begin() + std::min(record_.start, end), differences_.begin() + end, false);
        UpdateAllViews(HintDifferences);
    }
    UpdateAllViews(HintIdle);
    // The reason of a refusal is the engine's until its next request.
    if (std::string text = res::DeviceResultText(result, device.refusalCode); !text.empty()) {
        if (const std::string split = RangeSplit(record_); !split.empty())
            text += '\n' + split;
        Prompts().ShowMessage(QString::fromStdString(text), MessageButtons::Ok, MessageIcon::Error);
    } else if (record_.operation == device::OpWrite && record_.verify) {
        ReportDifferences();
    }
}

void CProbexDoc::ReportDifferences()
{
    const std::string report = VerifyReport(record_, dumpData.get(), device.readBack);
    if (!report.empty())
        Prompts().ShowMessage(QString::fromStdString(report), MessageButtons::Ok, MessageIcon::Error);
}

void CProbexDoc::BeginRecord(device::DeviceOperation operation, std::uint32_t start, std::uint32_t count)
{
    // The engine clips the range to the EEPROM the same way.
    const std::uint32_t end = std::min<std::uint64_t>(std::uint64_t{start} + count, dumpSize);
    record_ = {operation, start, start < end ? end - start : 0};
    inPass_ = false;
    began_ = std::chrono::steady_clock::now();
}

std::string CProbexDoc::LastSummary() const
{
    return StatusSummary(record_);
}

void CProbexDoc::RestoreUnreadBytes()
{
    // Zeros the device never sent would pass for EEPROM contents.
    const std::size_t kept = std::min<std::size_t>(record_.done, pendingRead_.before.size());
    std::copy(pendingRead_.before.begin() + kept, pendingRead_.before.end(),
              dumpData.get() + pendingRead_.start + kept);
    cutRead_ = {pendingRead_.start, static_cast<std::uint32_t>(kept)};
}

bool CProbexDoc::CanReplaceContents()
{
    if (!deviceBusy_)
        return true;
    RefuseWhileBusy();
    return false;
}

}  // namespace app
