// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/AdapterCheck.h"

#include "device/ZaqProtocol.h"
#include "platform/ErrorCodes.h"
#include "platform/PortNames.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

namespace device {

namespace {

using Clock = std::chrono::steady_clock;

// The engine's wake-up pulse (25 ms) is one byte at this speed.
constexpr std::uint32_t kPulseBaud = 400;
constexpr std::uint8_t kByteSize = 8;

// Sent in turn, their bits differing enough that a changed echo shows. None holds the line low
// for more than five bit times (start and parity bits counted), so that an asleep device, which
// wakes on a line held low for a whole byte at the pulse speed, sees nothing like a pulse.
constexpr std::array<std::uint8_t, 20> kEchoPattern{0x55, 0xAA, 0x0F, 0xF0, 0x33, 0xCC, 0x24,
                                                    0xDB, 0xFE, 0x7F, 0x5A, 0xA5, 0x3C, 0xC3,
                                                    0x96, 0x69, 0x11, 0xEE, 0x42, 0xBD};

class PortCheck {
public:
    PortCheck(platform::SerialBackend& backend, platform::CommHandle port, const AdapterCheckOptions& options)
        : backend_(backend), port_(port), options_(options)
    {}

    bool Stopped() const { return stopped_; }

    void SetFormat(LineFormatCheck& format)
    {
        platform::Dcb dcb;
        if (!backend_.GetCommState(port_, dcb))
            return;
        dcb.baudRate = format.baud;
        dcb.byteSize = kByteSize;
        dcb.parity = format.parity;
        dcb.stopBits = platform::kOneStopBit;
        dcb.outxCtsFlow = false;
        dcb.outxDsrFlow = false;
        dcb.outX = false;
        dcb.inX = false;
        format.accepted = backend_.SetCommState(port_, dcb);
        platform::Dcb actual;
        if (backend_.GetCommState(port_, actual)) {
            format.readBack = true;
            format.actualBaud = actual.baudRate;
            format.actualParity = actual.parity;
        }
    }

    void MeasureEchoes(LineFormatCheck& format)
    {
        std::vector<double> roundTrips;
        for (std::uint32_t i = 0; i < options_.echoCount && !stopped_; ++i) {
            const std::uint8_t byte = kEchoPattern[i % kEchoPattern.size()];
            Discard();
            std::uint32_t written = 0;
            const Clock::time_point sentAt = Clock::now();
            if (!backend_.WriteFile(port_, &byte, 1, written, nullptr) || written != 1)
                break;
            ++format.sent;
            std::uint8_t echo = 0;
            if (!ReceiveByte(echo, sentAt + std::chrono::milliseconds(options_.echoTimeoutMs))) {
                // Nothing at all came back at this format: the other bytes would only wait as long.
                if (format.echoed == 0)
                    break;
                continue;
            }
            roundTrips.push_back(std::chrono::duration<double, std::milli>(Clock::now() - sentAt).count());
            ++format.echoed;
            if (echo != byte)
                ++format.changed;
        }
        if (roundTrips.empty())
            return;
        std::sort(roundTrips.begin(), roundTrips.end());
        const std::size_t n = roundTrips.size();
        format.minMs = roundTrips.front();
        format.maxMs = roundTrips.back();
        format.medianMs = n % 2 ? roundTrips[n / 2] : (roundTrips[n / 2 - 1] + roundTrips[n / 2]) / 2;
    }

private:
    // Whatever waits to be read: a late echo must not pass for the next byte's.
    void Discard()
    {
        std::uint8_t buffer[64];
        std::uint32_t got = 0;
        while (backend_.ReadFile(port_, buffer, sizeof buffer, got, nullptr) && got > 0) {}
    }

    bool ReceiveByte(std::uint8_t& byte, Clock::time_point until)
    {
        for (;;) {
            std::uint32_t got = 0;
            if (backend_.ReadFile(port_, &byte, 1, got, nullptr) && got == 1)
                return true;
            const std::uint32_t waited = backend_.WaitForInput(port_, until, options_.stopFd);
            if (waited == platform::kErrorOperationAborted)
                stopped_ = true;
            if (waited != 0)
                return false;
        }
    }

    platform::SerialBackend& backend_;
    const platform::CommHandle port_;
    const AdapterCheckOptions& options_;
    bool stopped_ = false;
};

}  // namespace

AdapterVerdict VerdictOf(const AdapterCheckResult& result)
{
    if (!result.opened)
        return AdapterVerdict::CannotOpen;
    const auto& pulse = result.pulseFormat;
    const auto& frame = result.frameFormat;
    if (pulse.echoed == 0 || frame.echoed == 0)
        return AdapterVerdict::NoEcho;
    const bool complete = pulse.echoed == result.echoCount && frame.echoed == result.echoCount;
    return complete && pulse.changed == 0 && frame.changed == 0 ? AdapterVerdict::Echoes
                                                                : AdapterVerdict::EchoFaulty;
}

AdapterCheckResult CheckAdapter(const std::string& portName, platform::SerialBackend& backend,
                                const AdapterCheckOptions& options)
{
    AdapterCheckResult result;
    result.portName = portName;
    result.path = platform::DevicePathOf(portName);
    result.echoCount = options.echoCount;
    result.pulseFormat.baud = kPulseBaud;
    result.pulseFormat.parity = platform::kSpaceParity;
    result.frameFormat.baud = zaq::kFrameBaud;
    result.frameFormat.parity = platform::kNoParity;
    result.device = platform::ReadSerialDeviceInfo(result.path, options.roots);

    const platform::CommHandle port = backend.CreateFile(portName, false);
    if (port == platform::kNullHandle) {
        result.openFailure = platform::OpenFailureOf(portName, platform::GetLastError());
        return result;
    }
    result.opened = true;
    if (const platform::CommHandle second = backend.CreateFile(portName, false);
        second != platform::kNullHandle) {
        backend.CloseHandle(second);
    } else {
        result.exclusive = true;
    }

    // Reads return what has arrived at once; the waits are WaitForInput's.
    platform::CommTimeouts timeouts;
    timeouts.readIntervalTimeout = platform::kMaxDword;
    timeouts.writeTotalTimeoutConstant = options.echoTimeoutMs;
    backend.SetCommTimeouts(port, timeouts);

    PortCheck check(backend, port, options);
    for (LineFormatCheck* format : {&result.pulseFormat, &result.frameFormat}) {
        check.SetFormat(*format);
        if (format->accepted && !check.Stopped())
            check.MeasureEchoes(*format);
    }
    result.stopped = check.Stopped();
    if (bool on = false; backend.GetLowLatency(port, on))
        result.lowLatency = on;
    // Read again now that the port is in use: the driver may have lowered the timer when the
    // port asked for low latency.
    result.device = platform::ReadSerialDeviceInfo(result.path, options.roots);
    backend.CloseHandle(port);
    return result;
}

}  // namespace device
