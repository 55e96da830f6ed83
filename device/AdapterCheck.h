// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Examines a K-line adapter without waking the device behind it: opens the port exclusively,
// sets both line formats the device link uses and reads them back, times byte echoes at each,
// and gathers what the system knows of the adapter (USB identity, driver, latency timer).
// No byte sent is a wake-up pulse (0x00 at the slow format), so an asleep device stays asleep.
#include "platform/OpenFailure.h"
#include "platform/SerialBackend.h"
#include "platform/SerialDeviceInfo.h"

#include <cstdint>
#include <optional>
#include <string>

namespace device {

struct LineFormatCheck {
    std::uint32_t baud = 0;
    std::uint8_t parity = 0;
    bool accepted = false;  // the driver took the format
    // The driver told the format it holds then (actualBaud, actualParity): its own record, which
    // shows what it made of the request, not what a USB chip behind it accepted.
    bool readBack = false;
    std::uint32_t actualBaud = 0;
    std::uint8_t actualParity = 0;
    std::uint32_t sent = 0;
    std::uint32_t echoed = 0;
    std::uint32_t changed = 0;  // echoes that differ from the byte sent
    double minMs = 0;           // round trips, write to echo, of the bytes that echoed
    double medianMs = 0;
    double maxMs = 0;
};

struct AdapterCheckResult {
    std::string portName;
    std::string path;  // the device the name leads to
    bool opened = false;
    platform::OpenFailure openFailure;  // when not opened
    bool exclusive = false;             // a second open of the port was refused
    LineFormatCheck pulseFormat;        // the wake-up pulses' format
    LineFormatCheck frameFormat;        // the frames' format
    std::uint32_t echoCount = 0;        // bytes meant to be sent at each format
    platform::SerialDeviceInfo device;
    std::optional<bool> lowLatency;  // nothing when the driver has no such option
    bool stopped = false;
};

enum class AdapterVerdict {
    Echoes,      // every byte echoed unchanged at both formats
    EchoFaulty,  // echoes at both formats, but some missing or changed
    NoEcho,      // no echo at one format or both
    CannotOpen,
};

AdapterVerdict VerdictOf(const AdapterCheckResult& result);

struct AdapterCheckOptions {
    std::uint32_t echoCount = 20;
    std::uint32_t echoTimeoutMs = 1000;
    platform::StopHandle stopFd = platform::kNoStopHandle;  // raised: the check ends where it is
    platform::SysfsRoots roots;
};

AdapterCheckResult CheckAdapter(const std::string& portName, platform::SerialBackend& backend,
                                const AdapterCheckOptions& options = {});

}  // namespace device
