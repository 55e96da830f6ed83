// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/AdapterCheckReport.h"

#include "platform/SerialTypes.h"

#include <cmath>
#include <cstdio>

namespace operation {

using device::AdapterCheckResult;
using device::AdapterVerdict;
using device::LineFormatCheck;

namespace {

// K-line receivers tolerate about this much difference in speed.
constexpr double kBaudTolerancePercent = 2.0;

std::string ParityName(std::uint8_t parity)
{
    switch (parity) {
    case platform::kNoParity:
        return "no parity";
    case platform::kOddParity:
        return "odd parity";
    case platform::kEvenParity:
        return "even parity";
    case platform::kMarkParity:
        return "mark parity";
    case platform::kSpaceParity:
        return "space parity";
    default:
        return "parity " + std::to_string(parity);
    }
}

std::string FormatName(const LineFormatCheck& format)
{
    return std::to_string(format.baud) + " baud, " + ParityName(format.parity);
}

std::string Ms(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", value);
    return text;
}

double BaudErrorPercent(const LineFormatCheck& format)
{
    return format.baud ? 100.0 * std::fabs(double(format.actualBaud) - format.baud) / format.baud : 0;
}

std::string FormatLines(const std::string& title, const LineFormatCheck& format, std::uint32_t echoCount)
{
    std::string text = title + " (" + FormatName(format) + "): ";
    if (!format.accepted)
        return text + "refused by the driver\n";
    text += "set; read back " + std::to_string(format.actualBaud) + " baud, " +
            ParityName(format.actualParity) + "\n  echoes: " + std::to_string(format.echoed) + " of " +
            std::to_string(echoCount);
    if (format.sent < echoCount)
        text += " (" + std::to_string(format.sent) + " sent)";
    if (format.changed)
        text += ", " + std::to_string(format.changed) + " changed";
    if (format.echoed) {
        text += "; round trip min " + Ms(format.minMs) + ", median " + Ms(format.medianMs) + ", max " +
                Ms(format.maxMs);
    }
    return text + "\n";
}

std::string AdapterLine(const AdapterCheckResult& result)
{
    const platform::SerialDeviceInfo& info = result.device;
    if (!info.usb) {
        if (result.path.rfind("/dev/pts/", 0) == 0)
            return "pseudo-terminal (no USB device behind it)";
        return info.inSysfs ? "not a USB device" : "unknown to the system";
    }
    std::string text = info.product.empty() ? "USB device" : info.product;
    if (!info.manufacturer.empty())
        text += " (" + info.manufacturer + ")";
    text += ", USB " + info.vendorId + ":" + info.productId;
    if (!info.serialNumber.empty())
        text += ", serial " + info.serialNumber;
    return text;
}

std::string LatencyLine(const AdapterCheckResult& result)
{
    std::string text = result.device.latencyTimerMs ? std::to_string(*result.device.latencyTimerMs) + " ms"
                                                    : std::string("none (the driver has no latency timer)");
    text += "; low latency: ";
    text += result.lowLatency ? (*result.lowLatency ? "on" : "off") : "not offered by the driver";
    return text;
}

}  // namespace

std::string VerdictText(AdapterVerdict verdict)
{
    switch (verdict) {
    case AdapterVerdict::Echoes:
        return "the adapter echoes at both formats.";
    case AdapterVerdict::EchoFaulty:
        return "the adapter echoes, but not every byte came back as sent.";
    case AdapterVerdict::NoEcho:
        return "no echo at one format or both: the device cannot be reached through this adapter.";
    case AdapterVerdict::CannotOpen:
        return "the port cannot be opened.";
    }
    return {};
}

std::vector<std::string> AdapterCheckHints(const AdapterCheckResult& result)
{
    std::vector<std::string> hints;
    if (!result.opened)
        return hints;
    if (result.stopped)
        hints.push_back("the check was stopped before it ended: what it found so far is incomplete");
    const LineFormatCheck& pulse = result.pulseFormat;
    const LineFormatCheck& frame = result.frameFormat;
    if (!pulse.accepted) {
        hints.push_back("the driver refused " + FormatName(pulse) +
                        ": the device cannot be woken through it");
    }
    if (!frame.accepted)
        hints.push_back("the driver refused " + FormatName(frame) + ": no frame can be sent through it");
    if (pulse.accepted && frame.accepted && pulse.echoed == 0 && frame.echoed == 0 && !result.stopped) {
        hints.push_back("no echo: the adapter is not powered (it takes power from the diagnostic socket) or "
                        "not a K-line adapter");
    } else {
        for (const LineFormatCheck* format : {&pulse, &frame}) {
            if (!format->accepted || result.stopped)
                continue;
            if (format->echoed == 0) {
                hints.push_back("no echo at " + FormatName(*format) +
                                ": the adapter does not pass this format on to the line");
            } else if (format->echoed < result.echoCount) {
                hints.push_back(std::to_string(result.echoCount - format->echoed) + " of " +
                                std::to_string(result.echoCount) + " echoes missing at " +
                                FormatName(*format) + ": a loose contact or a weak supply");
            }
            if (format->changed) {
                hints.push_back(std::to_string(format->changed) + " echoes came back changed at " +
                                FormatName(*format) + ": a noisy line or a speed the adapter cannot make");
            }
        }
    }
    for (const LineFormatCheck* format : {&pulse, &frame}) {
        if (!format->accepted)
            continue;
        if (BaudErrorPercent(*format) > kBaudTolerancePercent) {
            char percent[16];
            std::snprintf(percent, sizeof percent, "%.1f", BaudErrorPercent(*format));
            hints.push_back("the driver runs " + std::to_string(format->actualBaud) + " baud instead of " +
                            std::to_string(format->baud) + " (" + percent +
                            "% off): the device may not understand it");
        }
        if (format->actualParity != format->parity) {
            hints.push_back("the driver keeps " + ParityName(format->actualParity) + " instead of " +
                            ParityName(format->parity) +
                            ": its chip cannot make this format, and the wake-up pulse comes out wrong");
        }
    }
    if (const auto latency = result.device.latencyTimerMs; latency && *latency > 1) {
        const std::string ms = std::to_string(*latency) + " ms";
        hints.push_back("latency timer " + ms + ": every byte waits " + ms +
                        "; a whole EEPROM takes that much longer. Set it to 1 ms: echo 1 | sudo tee " +
                        result.device.latencyTimerPath + " (a udev rule keeps it across plugging in)");
    }
    if (!result.exclusive) {
        hints.push_back(
            "the port is not held exclusively: another program may write to it during a transfer");
    }
    return hints;
}

std::string AdapterCheckReport(const AdapterCheckResult& result)
{
    std::string text = "Port: " + result.portName;
    if (!result.path.empty() && result.path != result.portName)
        text += " (" + result.path + ")";
    text += "\nAdapter: " + AdapterLine(result) + "\n";
    if (!result.device.driver.empty())
        text += "Driver: " + result.device.driver + "\n";
    if (!result.device.byIdName.empty())
        text += "Stable name: /dev/serial/by-id/" + result.device.byIdName + "\n";
    if (!result.opened) {
        text += "Opened: no: " + platform::DescribeOpenFailure(result.openFailure) + "\n";
    } else {
        text += std::string("Opened: ") +
                (result.exclusive ? "exclusively (a second open is refused)" : "not exclusively") + "\n";
        text += "Latency timer: " + LatencyLine(result) + "\n";
        text += FormatLines("Wake-up format", result.pulseFormat, result.echoCount);
        text += FormatLines("Frame format", result.frameFormat, result.echoCount);
    }
    text += "Verdict: " + VerdictText(device::VerdictOf(result)) + "\n";
    const std::vector<std::string> hints = AdapterCheckHints(result);
    if (!hints.empty()) {
        text += "Hints:\n";
        for (const std::string& hint : hints)
            text += "- " + hint + "\n";
    }
    return text;
}

}  // namespace operation
