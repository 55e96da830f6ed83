#pragma once

#include "app/OperationSummary.h"
#include "app/docview/CDocument.h"
#include "device/CDeviceZAQ.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace app {

// The dump document: the 256-byte EEPROM image, its file, and the device engine through which
// the view reads and writes the device. Engine notifications come in through OnDeviceNotify.
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

    // Write options, taken by each write request.
    bool verifyAfterWrite = true;
    bool writeChangedOnly = false;

    bool IsPortFree(const std::string& portName) const;
    std::string GetIdText() const;

    // One engine notification, as the main frame decoded it.
    void OnDeviceNotify(const device::DeviceNotification& notification);

    static constexpr std::uint32_t kNoByte = 0xFFFFFFFF;
    // The address of the byte the latest NotifyByteDone announced; kNoByte when not known. The
    // engine does a range upwards from its start, one NotifyByteDone per byte.
    std::uint32_t LastByteDone() const { return lastByteDone_; }

    // After a read that ended without success: the first address and the count of the bytes it
    // did read (0 when none); the rest of its range has its old values back.
    std::uint32_t CutReadStart() const { return cutRead_.start; }
    std::uint32_t CutReadCount() const { return cutRead_.count; }

    // What the last finished operation did and how long it took, for the status bar.
    std::string LastSummary() const;

    // From an accepted request until its NotifyFinished the engine's worker uses dumpData.
    bool IsDeviceBusy() const { return deviceBusy_; }

    // The bytes [first, last] of the latest read request, told to the views by HintReadDone.
    struct ByteSpan {
        std::uint32_t first = 0, last = 0;
    };
    ByteSpan ReadSpan() const { return readSpan_; }

    // Per dump byte: found different by the last compare or verify; told by HintDifferences.
    const std::vector<bool>& Differences() const { return differences_; }

    // Members in this order, so the engine (and its worker) goes before the buffer it borrows.
    std::unique_ptr<std::uint8_t[]> dumpData;
    std::uint32_t dumpSize = 0;
    device::CDeviceZAQ device;

protected:
    bool CanReplaceContents() override;

private:
    bool PrepareRequest(const std::string& portName, std::uint32_t timeoutMs);
    // The common start of a write and a compare: refused while busy, the ID caption cleared,
    // count 0 widened to the whole EEPROM, the last-operation question answered.
    bool PrepareDeviceRange(const std::string& portName, std::uint32_t timeoutMs, std::uint32_t& start,
                            std::uint32_t& count, bool& lastOperation);
    void RestoreUnreadBytes();
    void BeginRecord(device::DeviceOperation operation, std::uint32_t start, std::uint32_t count);
    void OnFinished(std::uint16_t result);
    void ReportDifferences();

    // The running read's range as it was before the read cleared it.
    struct PendingRead {
        std::uint32_t start = 0;
        std::vector<std::uint8_t> before;
    };
    struct CutRead {
        std::uint32_t start = 0;
        std::uint32_t count = 0;
    };

    bool deviceBusy_ = false;
    bool reading_ = false;
    // Inside a pass of a compare, verified or changed-only write: NotifyByteDone names its byte.
    bool inPass_ = false;
    std::vector<bool> differences_;
    ByteSpan readSpan_;
    std::uint32_t nextByte_ = kNoByte;
    std::uint32_t lastByteDone_ = kNoByte;
    PendingRead pendingRead_;
    OperationRecord record_;
    std::chrono::steady_clock::time_point began_;
    CutRead cutRead_;
};

}  // namespace app
