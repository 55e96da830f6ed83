// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/docview/CDocument.h"
#include "operation/Operation.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace app {

// The dump document: the 256-byte EEPROM image, its file, and the device operation through which
// the view reads and writes the device. The engine's posted notifications come in through
// OnDeviceMessage.
class CProbexDoc : public CDocument {
    Q_OBJECT

public:
    CProbexDoc();
    ~CProbexDoc() override;

    bool OnNewDocument() override;
    bool OnSaveDocument(const QString& path) override;
    // The file is the raw image; a file of any other non-empty length is refused.
    void Serialize(CArchive& archive) override;

    // Device requests. count 0 stands for the whole EEPROM. Refused with a message while an
    // earlier request is still running.
    void ReadId(const std::string& portName, std::uint32_t timeoutMs);
    void ReadRange(const std::string& portName, std::uint32_t timeoutMs, std::uint32_t start,
                   std::uint32_t count);
    void WriteRange(const std::string& portName, std::uint32_t timeoutMs, std::uint32_t start,
                    std::uint32_t count);
    // Reads the range into the engine's own buffer and compares it with the dump, which stays.
    void CompareRange(const std::string& portName, std::uint32_t timeoutMs, std::uint32_t start,
                      std::uint32_t count);
    // Asks the running operation to stop between two bytes; it still ends with NotifyFinished.
    void StopDevice();

    // Write options, taken by each write request. A backup is taken once per device ID for the
    // document's life (the program's run).
    bool verifyAfterWrite = true;
    bool writeChangedOnly = false;
    bool backupBeforeWrite = false;
    // Taken by every request: each frame sent at once instead of byte by byte.
    bool sendWholeFrames = false;

    // File "Restore from backup...": the open dialog in the backups folder (the last device's
    // own, when it has one); the chosen backup opens as an unsaved dump named after it.
    bool OnFileRestoreBackup();
    // File "Compare with file...": marks the bytes of the dump that differ from a chosen dump file
    // (a backup, another dump) as a compare with the device does, told by HintDifferences, then
    // HintFileCompared; the dump stays as it is. Refused while an operation runs.
    bool OnFileCompareWithFile();
    // What the last comparison with a file found, for the status bar.
    const std::string& FileComparison() const { return fileComparison_; }

    bool IsPortFree(const std::string& portName) const;
    // The ID the device gave in the latest request; cleared by New and by each new request.
    std::string GetIdText() const { return idText_; }

    // One posted engine notification (the wParam of its message): the operation follows it, the
    // progress listener sees where it stands, then the views and the result's message box.
    void OnDeviceMessage(std::uintptr_t wParam);
    using ProgressListener =
        std::function<void(device::DeviceNotify code, const operation::OperationProgress& progress)>;
    void SetProgressListener(ProgressListener listener) { progressListener_ = std::move(listener); }

    // Set its trace sink and timing here; requests go through the document.
    operation::Operation& GetOperation() { return operation_; }

    static constexpr std::uint32_t kNoByte = operation::Operation::kNoAddress;
    // The address of the byte the latest NotifyByteDone announced; kNoByte when not known.
    std::uint32_t LastByteDone() const { return operation_.Progress().CurrentAddress(); }

    // After a read that ended without success: the first address and the count of the bytes it
    // did read (0 when none); the rest of its range has its old values back.
    std::uint32_t CutReadStart() const { return cutRead_.start; }
    std::uint32_t CutReadCount() const { return cutRead_.count; }

    // What the last finished operation did and how long it took, for the status bar.
    std::string LastSummary() const;

    // From an accepted request until its NotifyFinished.
    bool IsDeviceBusy() const { return deviceBusy_; }

    // The bytes [first, last] the latest read brought, up to the last one the device sent; told
    // to the views by HintReadDone, which a read that brought none does not send.
    struct ByteSpan {
        std::uint32_t first = 0, last = 0;
    };
    ByteSpan ReadSpan() const { return readSpan_; }

    // Per dump byte: found different by the last compare or verify; told by HintDifferences.
    const std::vector<bool>& Differences() const { return differences_; }

    std::unique_ptr<std::uint8_t[]> dumpData;
    std::uint32_t dumpSize = 0;

protected:
    bool CanReplaceContents() override;
    // A dump read from a device is named after the device's ID; a new one "dump.bin".
    QString ProposedFileName() const override;

private:
    // Refused while busy; the ID caption cleared.
    bool PrepareRequest(operation::OperationRequest& request, device::DeviceOperation kind,
                        const std::string& portName, std::uint32_t timeoutMs);
    // The common start of a write and a compare: PrepareRequest, the range, the last-operation
    // question answered, the request started on the dump's bytes.
    void StartDeviceRange(device::DeviceOperation kind, const std::string& portName, std::uint32_t timeoutMs,
                          std::uint32_t start, std::uint32_t count);
    void RestoreUnreadBytes();
    // The backups folder, the last device's own when it has one.
    QString BackupsFolder() const;
    void OnFinished();

    // The running read's range as it was before the read cleared it.
    struct PendingRead {
        std::uint32_t start = 0;
        std::vector<std::uint8_t> before;
    };
    struct CutRead {
        std::uint32_t start = 0;
        std::uint32_t count = 0;
    };

    // The engine's worker touches only the operation's own buffer; each byte a read brought goes
    // into dumpData when its notification arrives.
    operation::Operation operation_;
    ProgressListener progressListener_;
    std::string idText_;
    // The ID of the device the dump's bytes were read from; empty for a new or loaded dump.
    std::string dumpDeviceId_;
    bool deviceBusy_ = false;
    bool reading_ = false;
    std::vector<bool> differences_;
    std::string fileComparison_;
    ByteSpan readSpan_;
    PendingRead pendingRead_;
    CutRead cutRead_;
};

}  // namespace app
