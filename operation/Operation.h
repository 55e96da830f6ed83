// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device engine as either front end uses it, one operation at a time: starts each request
// on the operation's own staging buffer, follows the notifications and keeps the record of the
// last one. The engine's worker touches only the staging buffer, never the caller's bytes; a
// read's bytes are taken from it as their notifications arrive. The engine itself stays inside:
// the front ends see requests, notifications and records only.

#include "operation/BackupKeeper.h"
#include "operation/OperationProgress.h"
#include "operation/OperationRecord.h"
#include "operation/OperationRequest.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace device {
class CDeviceZAQ;
class TraceSink;
}  // namespace device

namespace operation {

// The engine's wake-up pulse, the quiet times after each pulse and the pause after each answer,
// in milliseconds; tests shorten them.
struct EngineTiming {
    std::uint32_t pulseMs = 0;
    std::uint32_t idleAfterPulse1Ms = 0;
    std::uint32_t idleAfterPulse2Ms = 0;
    std::uint32_t pauseAfterAnswerMs = 0;
};

class Operation {
public:
    static constexpr std::uint32_t kNoAddress = OperationProgress::kNoAddress;
    // The registered message under which the engine posts its notifications to the main window.
    static std::uint32_t PostedMessage();

    Operation();
    ~Operation();
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

    // The engine's worker, started once; throws device::CExceptionEx when it cannot start.
    void StartWorker();
    // Receives the trace of every connection from now on (nullptr: none); must outlive them.
    void SetTraceSink(device::TraceSink* sink);
    void SetEngineTiming(const EngineTiming& timing);

    // Hands the request to the engine. A write or a compare takes the bytes of its range from
    // dump (indexed by address) first. false when the engine refused it (a range outside the
    // EEPROM); nothing is posted then.
    bool Start(const OperationRequest& request, const std::uint8_t* dump = nullptr);
    // Asks the running request to stop between two bytes; it still ends with NotifyFinished.
    // Callable from any thread and from a signal handler.
    void RequestStop();
    // One posted notification (the wParam of the engine's message), in the order they were
    // posted; returns it decoded. NotifyFinished takes the record.
    device::DeviceNotification Follow(std::uintptr_t wParam);

    // True when the port could be opened now; the running request's own port is not touched.
    bool IsPortFree(const std::string& port) const;

    const OperationProgress& Progress() const { return progress_; }
    const OperationRecord& Record() const { return record_; }
    // The ID the device gave in the latest request, from its NotifyIdReady on; empty before.
    const std::string& IdText() const { return idText_; }
    // With IdText: every ID byte (zeros before it).
    const device::DeviceIdBytes& IdBytes() const { return idBytes_; }
    // The address whose byte the latest notification put into the staging buffer (a read's),
    // and the byte; kNoAddress otherwise.
    std::uint32_t ArrivedAddress() const { return arrived_; }
    std::uint8_t StagedByte(std::uint32_t address) const { return staging_[address]; }

private:
    std::array<std::uint8_t, kEepromBytes> staging_{};
    OperationProgress progress_;
    OperationRecord record_;
    std::string idText_;
    device::DeviceIdBytes idBytes_{};
    std::uint32_t arrived_ = kNoAddress;
    std::chrono::steady_clock::time_point began_;
    BackupKeeper backups_;  // outlives the engine, which calls it from its worker
    // Last, so that its worker ends before the staging buffer goes.
    std::unique_ptr<device::CDeviceZAQ> engine_;
};

}  // namespace operation
