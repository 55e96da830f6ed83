// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device engine as either front end uses it, one operation at a time: starts each request
// on the operation's own staging buffer, follows the notifications and keeps the record of the
// last one. The engine's worker touches only the staging buffer, never the caller's bytes; a
// read's bytes are taken from it as their notifications arrive.

#include "device/CDeviceZAQ.h"
#include "operation/BackupKeeper.h"
#include "operation/OperationProgress.h"
#include "operation/OperationRecord.h"
#include "operation/OperationRequest.h"

#include <array>
#include <chrono>
#include <cstdint>

namespace operation {

class Operation {
public:
    static constexpr std::uint32_t kNoAddress = OperationProgress::kNoAddress;

    // Set the engine's timing and trace sink here; the request sets the rest.
    device::CDeviceZAQ& Engine() { return engine_; }
    const device::CDeviceZAQ& Engine() const { return engine_; }

    // Hands the request to the engine. A write or a compare takes the bytes of its range from
    // dump (indexed by address) first. false when the engine refused it (a range outside the
    // EEPROM); nothing is posted then.
    bool Start(const OperationRequest& request, const std::uint8_t* dump = nullptr);
    // One notification, in the order they were posted; NotifyFinished takes the record.
    void Follow(const device::DeviceNotification& notification);

    const OperationProgress& Progress() const { return progress_; }
    const OperationRecord& Record() const { return record_; }
    // The address whose byte the latest notification put into the staging buffer (a read's),
    // and the byte; kNoAddress otherwise.
    std::uint32_t ArrivedAddress() const { return arrived_; }
    std::uint8_t StagedByte(std::uint32_t address) const { return staging_[address]; }

private:
    std::array<std::uint8_t, kEepromBytes> staging_{};
    OperationProgress progress_;
    OperationRecord record_;
    std::uint32_t arrived_ = kNoAddress;
    std::chrono::steady_clock::time_point began_;
    BackupKeeper backups_;  // outlives the engine, which calls it from its worker
    // Last, so that its worker ends before the staging buffer goes.
    device::CDeviceZAQ engine_;
};

}  // namespace operation
