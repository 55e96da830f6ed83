// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CProbexDoc.h"

#include "app/DocumentTextsFromStringTable.h"
#include "app/ResourceText.h"
#include "app/ViewHint.h"
#include "app/docview/CArchive.h"
#include "app/docview/CPrompts.h"
#include "app/docview/ReadableFile.h"
#include "device/CExceptionEx.h"
#include "operation/BackupFiles.h"
#include "operation/DumpComparison.h"
#include "operation/OperationSummary.h"
#include "operation/OutcomeLines.h"
#include "res/ResourceIds.h"
#include "res/StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <string>
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

void ShowWrongSize(const QString& fileName, std::uintmax_t size)
{
    const std::string detail = operation::DumpSizeDetail(fileName.toStdString(), size);
    Prompts().ShowMessage(LoadText(res::IDS_WRONG_FILE_SIZE) + QLatin1Char('\n') +
                              QString::fromStdString(detail),
                          MessageButtons::Ok, MessageIcon::Error);
}

}  // namespace

CProbexDoc::CProbexDoc() : CDocument(DocumentTextsFromStringTable()) {}

CProbexDoc::~CProbexDoc() = default;

bool CProbexDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    dumpSize = operation::kEepromBytes;
    dumpData = std::make_unique<std::uint8_t[]>(dumpSize);  // zero-filled
    idText_.clear();
    dumpDeviceId_.clear();
    try {
        operation_.StartWorker();
    } catch (const device::CExceptionEx&) {
        return false;  // no worker: the document is of no use
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
    if (archive.GetFileLength() != operation::kEepromBytes) {
        ShowWrongSize(archive.GetFileName(), archive.GetFileLength());
        archive.Refuse();  // name, path, flag and views stay: saving must not hit that file
        return;
    }
    // Read aside first: a read cut short must not leave the dump half replaced.
    std::vector<std::uint8_t> loaded(dumpSize);
    if (archive.Read(loaded.data(), loaded.size())) {
        std::ranges::copy(loaded, dumpData.get());
        dumpDeviceId_.clear();
    }
}

bool CProbexDoc::PrepareRequest(operation::OperationRequest& request, device::DeviceOperation kind,
                                const std::string& portName, std::uint32_t timeoutMs)
{
    if (deviceBusy_) {
        RefuseWhileBusy();
        return false;
    }
    idText_.clear();
    request.operation = kind;
    request.port = portName;
    request.timeoutMs = timeoutMs;
    request.wholeFrames = sendWholeFrames;
    return true;
}

void CProbexDoc::ReadId(const std::string& portName, std::uint32_t timeoutMs)
{
    operation::OperationRequest request;
    if (!PrepareRequest(request, device::OpReadId, portName, timeoutMs))
        return;
    UpdateAllViews(HintShowId);
    request.lastOperation = AskLastOperation();
    deviceBusy_ = operation_.Start(request);
}

void CProbexDoc::ReadRange(const std::string& portName, std::uint32_t timeoutMs, std::uint32_t start,
                           std::uint32_t count)
{
    operation::OperationRequest request;
    if (!PrepareRequest(request, device::OpRead, portName, timeoutMs))
        return;
    request.range = operation::RequestRange(start, count);
    request.lastOperation = AskLastOperation();
    const std::uint32_t first = request.range.start;
    const std::uint32_t end = first + request.range.count;
    pendingRead_ = {};
    if (first < end) {
        pendingRead_.start = first;
        pendingRead_.before.assign(dumpData.get() + first, dumpData.get() + end);
        std::fill(dumpData.get() + first, dumpData.get() + end, std::uint8_t{0});
    }
    UpdateAllViews(HintShowId);
    deviceBusy_ = operation_.Start(request);
    if (first < end) {
        readSpan_ = {first, end - 1};
        reading_ = deviceBusy_;
    }
    if (!deviceBusy_) {
        // Nothing was read: the bytes, and how they differ from the file, stay as they were.
        RestoreUnreadBytes();
        pendingRead_ = {};
    }
}

void CProbexDoc::WriteRange(const std::string& portName, std::uint32_t timeoutMs, std::uint32_t start,
                            std::uint32_t count)
{
    StartDeviceRange(device::OpWrite, portName, timeoutMs, start, count);
}

void CProbexDoc::CompareRange(const std::string& portName, std::uint32_t timeoutMs, std::uint32_t start,
                              std::uint32_t count)
{
    StartDeviceRange(device::OpCompare, portName, timeoutMs, start, count);
}

void CProbexDoc::StartDeviceRange(device::DeviceOperation kind, const std::string& portName,
                                  std::uint32_t timeoutMs, std::uint32_t start, std::uint32_t count)
{
    operation::OperationRequest request;
    if (!PrepareRequest(request, kind, portName, timeoutMs))
        return;
    UpdateAllViews(HintShowId);
    request.range = operation::RequestRange(start, count);
    request.lastOperation = AskLastOperation();
    request.verify = kind == device::OpWrite && verifyAfterWrite;
    request.changedOnly = kind == device::OpWrite && writeChangedOnly;
    request.backup = kind == device::OpWrite && backupBeforeWrite;
    deviceBusy_ = operation_.Start(request, dumpData.get());
}

void CProbexDoc::StopDevice()
{
    if (deviceBusy_)
        operation_.RequestStop();
}

bool CProbexDoc::IsPortFree(const std::string& portName) const
{
    return operation_.IsPortFree(portName);
}

void CProbexDoc::OnDeviceMessage(std::uintptr_t wParam)
{
    const device::DeviceNotification notification = operation_.Follow(wParam);
    // The progress bar goes first: the result's box must not find it still up.
    if (progressListener_)
        progressListener_(notification.code, operation_.Progress());
    switch (notification.code) {
    case device::NotifyOpened:
        UpdateAllViews(HintBusy);
        break;
    case device::NotifyFinished:
        OnFinished();
        break;
    case device::NotifyIdReady:
        idText_ = operation_.IdText();
        UpdateAllViews(HintShowId);
        break;
    case device::NotifyByteDone:
        // The byte is the editor's from now on; the worker goes on with the next one.
        if (const std::uint32_t address = operation_.ArrivedAddress(); address < dumpSize)
            dumpData[address] = operation_.StagedByte(address);
        UpdateAllViews(HintRepaint);
        break;
    default:
        break;
    }
}

void CProbexDoc::OnFinished()
{
    const operation::OperationRecord& record = operation_.Record();
    deviceBusy_ = false;
    if (record.result != device::ResultOk && !pendingRead_.before.empty()) {
        RestoreUnreadBytes();
        UpdateAllViews(HintReadCutShort);
    }
    pendingRead_ = {};
    // Even a read cut short replaced bytes under the editor's undo history. Only the bytes the
    // device sent are its contents; the others keep their marks.
    if (reading_) {
        reading_ = false;
        const std::uint32_t read = std::min(record.done, readSpan_.last - readSpan_.first + 1);
        if (read != 0) {
            readSpan_.last = readSpan_.first + read - 1;
            if (!idText_.empty())
                dumpDeviceId_ = idText_;
            UpdateAllViews(HintReadDone);
        }
    }
    // Whatever a compare or verify found, as far as it got, is what the device holds now. A write
    // without verify leaves what the device holds unknown, and bytes read agree with it; with no
    // marks shown those two tell the views nothing.
    const bool marked = std::ranges::find(differences_, true) != differences_.end();
    const bool checked =
        record.operation == device::OpCompare || (record.operation == device::OpWrite && record.verify);
    if (checked || (record.operation == device::OpWrite && marked)) {
        differences_.assign(dumpSize, false);
        if (checked) {
            for (const std::uint32_t address : operation::Differences(record)) {
                if (address < dumpSize)
                    differences_[address] = true;
            }
        }
        UpdateAllViews(HintDifferences);
    } else if (record.operation == device::OpRead && marked) {
        const std::uint32_t end = std::min<std::uint32_t>(record.start + record.done, dumpSize);
        std::fill(differences_.begin() + std::min(record.start, end), differences_.begin() + end, false);
        UpdateAllViews(HintDifferences);
    }
    UpdateAllViews(HintIdle);
    // A failure with its details, or what a verify found; a result without a message shows none.
    const operation::OutcomeLines outcome = operation::DescribeOutcome(record, true);
    const bool failed = !outcome.result.empty();
    std::string text = failed ? outcome.result : outcome.verifyCount;
    for (const std::string& line : failed ? outcome.details : outcome.verifyLines)
        text += '\n' + line;
    // The user's own stop is no error.
    const MessageIcon icon =
        record.result == device::ResultStopped ? MessageIcon::Information : MessageIcon::Error;
    if (!text.empty())
        Prompts().ShowMessage(QString::fromStdString(text), MessageButtons::Ok, icon);
}

QString CProbexDoc::BackupsFolder() const
{
    operation::MakeBackupsFolder(operation::DefaultBackupsRoot());  // the dialog opens where it is
    const QDir root(QString::fromStdString(operation::BackupsFolder()));
    // The device's own folder, or else the one an earlier version kept its backups in.
    if (!idText_.empty()) {
        for (const std::string& name : operation::DeviceBackupFolders(idText_, operation_.IdBytes())) {
            if (root.exists(QString::fromStdString(name)))
                return root.filePath(QString::fromStdString(name));
        }
    }
    return root.path();
}

bool CProbexDoc::OnFileCompareWithFile()
{
    // A running compare or verify would put its own marks over these.
    if (deviceBusy_) {
        RefuseWhileBusy();
        return false;
    }
    const auto path = Prompts().AskOpenFileName(LoadText(res::IDS_COMPARE_FILE_TITLE),
                                                LoadText(res::IDS_DUMP_FILTER), BackupsFolder());
    if (!path)
        return false;
    QFile file;
    const QString name = QFileInfo(*path).fileName();
    QString reason;
    if (!OpenReadableFile(file, *path, LoadText(res::IDS_FILE_NOT_REGULAR), reason)) {
        Prompts().ShowMessage(LoadText(res::IDS_FILE_OPEN_REASON).arg(name, reason), MessageButtons::Ok,
                              MessageIcon::Error);
        return false;
    }
    // One byte more than a dump: a longer file shows itself in what was read.
    const QByteArray other = file.read(qint64(operation::kEepromBytes) + 1);
    if (other.size() != qint64(operation::kEepromBytes)) {
        ShowWrongSize(name, std::uintmax_t(std::max(file.size(), qint64(other.size()))));
        return false;
    }
    const auto* otherBytes = reinterpret_cast<const std::uint8_t*>(other.constData());
    const std::vector<std::uint32_t> differing =
        operation::DumpDifferences({dumpData.get(), dumpSize}, {otherBytes, std::size_t(other.size())});
    differences_.assign(dumpSize, false);
    for (const std::uint32_t address : differing)
        differences_[address] = true;
    UpdateAllViews(HintDifferences);
    fileComparison_ =
        operation::FileComparisonSummary(name.toStdString(), differing, operation::kEepromBytes);
    UpdateAllViews(HintFileCompared);
    return true;
}

bool CProbexDoc::OnFileRestoreBackup()
{
    if (!CanReplaceContents())
        return false;
    const auto path = Prompts().AskOpenFileName(LoadText(res::IDS_RESTORE_TITLE),
                                                LoadText(res::IDS_BACKUP_FILTER), BackupsFolder());
    if (!path)
        return false;
    // "ID-20261207-201500.bin": the device and the moment, as the backup's folder and name say.
    const QFileInfo chosen(*path);
    return OpenCopyOfFile(*path, chosen.dir().dirName() + QLatin1Char('-') + chosen.fileName());
}

std::string CProbexDoc::LastSummary() const
{
    return operation::StatusSummary(operation_.Record());
}

void CProbexDoc::RestoreUnreadBytes()
{
    // Zeros the device never sent would pass for EEPROM contents.
    const std::size_t kept = std::min<std::size_t>(operation_.Record().done, pendingRead_.before.size());
    std::copy(pendingRead_.before.begin() + kept, pendingRead_.before.end(),
              dumpData.get() + pendingRead_.start + kept);
    cutRead_ = {pendingRead_.start, static_cast<std::uint32_t>(kept)};
}

QString CProbexDoc::ProposedFileName() const
{
    if (!dumpDeviceId_.empty())
        return QString::fromStdString(operation::DeviceFolderName(dumpDeviceId_)) + QStringLiteral(".bin");
    // A restored backup keeps the name it was given.
    if (GetTitle() == QString::fromStdString(res::DocumentString(res::DocumentStringField::DocumentName)))
        return LoadText(res::IDS_NEW_DUMP_FILE_NAME);
    return GetTitle();
}

bool CProbexDoc::CanReplaceContents()
{
    if (!deviceBusy_)
        return true;
    RefuseWhileBusy();
    return false;
}

}  // namespace app
