#pragma once

#include "app/docview/CDocument.h"
#include "device/CDeviceZAQ.h"

#include <cstdint>
#include <memory>
#include <string>

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

    bool IsPortFree(const std::string& portName) const;
    std::string GetIdText() const;

    // One engine notification, as the main frame decoded it.
    void OnDeviceNotify(const device::DeviceNotification& notification);

    static constexpr std::uint32_t kNoByte = 0xFFFFFFFF;
    // The address of the byte the latest NotifyByteDone announced; kNoByte when not known. The
    // engine does a range upwards from its start, one NotifyByteDone per byte.
    std::uint32_t LastByteDone() const { return lastByteDone_; }

    // From an accepted request until its NotifyFinished the engine's worker uses dumpData.
    bool IsDeviceBusy() const { return deviceBusy_; }

    // The bytes [first, last] of the latest read request, told to the views by HintReadDone.
    struct ByteSpan {
        std::uint32_t first = 0, last = 0;
    };
    ByteSpan ReadSpan() const { return readSpan_; }

    // Members in this order, so the engine (and its worker) goes before the buffer it borrows.
    std::unique_ptr<std::uint8_t[]> dumpData;
    std::uint32_t dumpSize = 0;
    device::CDeviceZAQ device;

protected:
    bool CanReplaceContents() override;

private:
    bool PrepareRequest(const std::string& portName, std::uint32_t timeoutMs);

    bool deviceBusy_ = false;
    bool reading_ = false;
    ByteSpan readSpan_;
    std::uint32_t nextByte_ = kNoByte;
    std::uint32_t lastByteDone_ = kNoByte;
};

}  // namespace app
