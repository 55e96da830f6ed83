// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Follows an operation's notification stream: which pass runs, how far it got, which address
// was done last and how many bytes in all.

#include "device/DeviceZaqTypes.h"

#include <cstdint>
#include <string>

namespace operation {

enum class Pass {
    None,     // outside a range
    Read,     // a plain read
    Write,    // a write, plain or the write pass of a checked one
    Verify,   // the written bytes read back
    Compare,  // a compare, or the reading before a changed-only write
    Backup,   // the whole EEPROM read before a write, for its backup
};

class OperationProgress {
public:
    static constexpr std::uint32_t kNoAddress = 0xFFFFFFFF;

    // A new request: a plain range's bytes are numbered upwards from start.
    void Begin(device::DeviceOperation operation, std::uint32_t start);
    void Follow(const device::DeviceNotification& notification);

    Pass CurrentPass() const { return pass_; }
    // From the port's opening until the device gave its ID (or the operation ended): the wake-up.
    bool Waking() const { return waking_; }
    device::DeviceOperation Operation() const { return operation_; }
    // The running pass: addresses it visits, bytes done, and that as a percentage.
    std::uint32_t Total() const { return total_; }
    std::uint32_t Done() const { return done_; }
    int Percent() const;
    // The address the latest NotifyByteDone announced; kNoAddress outside a range.
    std::uint32_t CurrentAddress() const { return address_; }
    // Every NotifyByteDone since Begin, over all passes.
    std::uint32_t BytesDone() const { return bytesDone_; }

private:
    device::DeviceOperation operation_ = device::OpReadId;
    std::uint32_t start_ = 0;
    Pass pass_ = Pass::None;
    bool waking_ = false;
    bool announced_ = false;  // NotifyPassBegin came: NotifyByteDone names its address
    std::uint32_t next_ = kNoAddress;
    std::uint32_t address_ = kNoAddress;
    std::uint32_t total_ = 0;
    std::uint32_t done_ = 0;
    std::uint32_t bytesDone_ = 0;
};

// "37% complete".
std::string PercentText(int percent);

// The running pass and how far it got: "Reading 37 %", "Writing 37 %", "Verifying 12 %",
// "Backing up 5 %" (the whole EEPROM, before a write), "Reading the device first 50 %" (before a
// changed-only write), "Comparing 80 %"; "Waking the device" before the first pass; PercentText
// outside a pass.
std::string PassProgressText(const OperationProgress& progress);

}  // namespace operation
