// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/AdapterCheckReport.h"

#include "operation/FormatText.h"
#include "operation/OpenFailureText.h"
#include "platform/PathText.h"
#include "platform/SerialTypes.h"

#include <cmath>

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
        return res::LoadString(res::IDS_PARITY_NONE);
    case platform::kOddParity:
        return res::LoadString(res::IDS_PARITY_ODD);
    case platform::kEvenParity:
        return res::LoadString(res::IDS_PARITY_EVEN);
    case platform::kMarkParity:
        return res::LoadString(res::IDS_PARITY_MARK);
    case platform::kSpaceParity:
        return res::LoadString(res::IDS_PARITY_SPACE);
    default:
        return FormatText(res::IDS_PARITY_OTHER, unsigned(parity));
    }
}

std::string FormatName(const LineFormatCheck& format)
{
    return FormatText(res::IDS_CHECK_FORMAT_NAME, unsigned(format.baud), ParityName(format.parity));
}

std::string Ms(double value)
{
    return FormatText(res::IDS_CHECK_MS, value);
}

double BaudErrorPercent(const LineFormatCheck& format)
{
    return format.baud ? 100.0 * std::fabs(double(format.actualBaud) - format.baud) / format.baud : 0;
}

std::string FormatLines(res::ResourceId title, const LineFormatCheck& format, std::uint32_t echoCount)
{
    std::string text = FormatText(res::IDS_CHECK_FORMAT_HEAD, res::LoadString(title), FormatName(format));
    if (!format.accepted)
        return text + res::LoadString(res::IDS_CHECK_FORMAT_REFUSED) + "\n";
    if (format.readBack) {
        text += FormatText(res::IDS_CHECK_FORMAT_SET, unsigned(format.actualBaud),
                           ParityName(format.actualParity), unsigned(format.echoed), unsigned(echoCount));
    } else {
        text += FormatText(res::IDS_CHECK_FORMAT_SET_UNREAD, unsigned(format.echoed), unsigned(echoCount));
    }
    if (format.sent < echoCount)
        text += FormatText(res::IDS_CHECK_ECHOES_SENT, unsigned(format.sent));
    if (format.changed)
        text += FormatText(res::IDS_CHECK_ECHOES_CHANGED, unsigned(format.changed));
    if (format.echoed) {
        text +=
            FormatText(res::IDS_CHECK_ROUND_TRIP, Ms(format.minMs), Ms(format.medianMs), Ms(format.maxMs));
    }
    return text + "\n";
}

std::string AdapterLine(const AdapterCheckResult& result)
{
    const platform::SerialDeviceInfo& info = result.device;
    if (!info.usb) {
        if (result.path.rfind("/dev/pts/", 0) == 0)
            return res::LoadString(res::IDS_CHECK_PSEUDO_TERMINAL);
        return res::LoadString(info.inSysfs ? res::IDS_CHECK_NOT_USB : res::IDS_CHECK_UNKNOWN_DEVICE);
    }
    std::string text = info.product.empty() ? res::LoadString(res::IDS_CHECK_USB_DEVICE) : info.product;
    if (!info.manufacturer.empty())
        text += " (" + info.manufacturer + ")";
    text += FormatText(res::IDS_CHECK_USB_IDS, info.vendorId, info.productId);
    if (!info.serialNumber.empty())
        text += FormatText(res::IDS_CHECK_USB_SERIAL, info.serialNumber);
    return text;
}

std::string LatencyLine(const AdapterCheckResult& result)
{
    std::string text = result.device.latencyTimerMs
                           ? FormatText(res::IDS_CHECK_WHOLE_MS, unsigned(*result.device.latencyTimerMs))
                           : res::LoadString(res::IDS_CHECK_NO_LATENCY_TIMER);
    const res::ResourceId lowLatency = result.lowLatency
                                           ? (*result.lowLatency ? res::IDS_CHECK_ON : res::IDS_CHECK_OFF)
                                           : res::IDS_CHECK_LOW_LATENCY_NOT_OFFERED;
    return text + FormatText(res::IDS_CHECK_LOW_LATENCY, res::LoadString(lowLatency));
}

}  // namespace

std::string VerdictText(AdapterVerdict verdict)
{
    switch (verdict) {
    case AdapterVerdict::Echoes:
        return res::LoadString(res::IDS_VERDICT_ECHOES);
    case AdapterVerdict::EchoFaulty:
        return res::LoadString(res::IDS_VERDICT_ECHO_FAULTY);
    case AdapterVerdict::NoEcho:
        return res::LoadString(res::IDS_VERDICT_NO_ECHO);
    case AdapterVerdict::CannotOpen:
        return res::LoadString(res::IDS_VERDICT_CANNOT_OPEN);
    }
    return {};
}

std::vector<std::string> AdapterCheckHints(const AdapterCheckResult& result)
{
    std::vector<std::string> hints;
    if (!result.opened)
        return hints;
    if (result.stopped)
        hints.push_back(res::LoadString(res::IDS_HINT_STOPPED));
    const LineFormatCheck& pulse = result.pulseFormat;
    const LineFormatCheck& frame = result.frameFormat;
    if (!pulse.accepted)
        hints.push_back(FormatText(res::IDS_HINT_NO_WAKE_FORMAT, FormatName(pulse)));
    if (!frame.accepted)
        hints.push_back(FormatText(res::IDS_HINT_NO_FRAME_FORMAT, FormatName(frame)));
    if (pulse.accepted && frame.accepted && pulse.echoed == 0 && frame.echoed == 0 && !result.stopped) {
        hints.push_back(res::LoadString(res::IDS_HINT_NO_ECHO));
    } else {
        for (const LineFormatCheck* format : {&pulse, &frame}) {
            if (!format->accepted || result.stopped)
                continue;
            if (format->echoed == 0) {
                hints.push_back(FormatText(res::IDS_HINT_NO_ECHO_AT, FormatName(*format)));
            } else if (format->echoed < result.echoCount) {
                hints.push_back(FormatText(res::IDS_HINT_ECHOES_MISSING,
                                           unsigned(result.echoCount - format->echoed),
                                           unsigned(result.echoCount), FormatName(*format)));
            }
            if (format->changed) {
                hints.push_back(
                    FormatText(res::IDS_HINT_ECHOES_CHANGED, unsigned(format->changed), FormatName(*format)));
            }
        }
    }
    for (const LineFormatCheck* format : {&pulse, &frame}) {
        if (!format->accepted || !format->readBack)
            continue;
        if (BaudErrorPercent(*format) > kBaudTolerancePercent) {
            hints.push_back(FormatText(res::IDS_HINT_BAUD_OFF, unsigned(format->actualBaud),
                                       unsigned(format->baud), BaudErrorPercent(*format)));
        }
        if (format->actualParity != format->parity) {
            hints.push_back(FormatText(res::IDS_HINT_PARITY_KEPT, ParityName(format->actualParity),
                                       ParityName(format->parity)));
        }
    }
    if (const auto latency = result.device.latencyTimerMs; latency && *latency > 1) {
        const std::string ms = FormatText(res::IDS_CHECK_WHOLE_MS, unsigned(*latency));
        hints.push_back(FormatText(res::IDS_HINT_LATENCY, ms, ms, result.device.latencyTimerPath));
    }
    if (!result.exclusive)
        hints.push_back(res::LoadString(res::IDS_HINT_NOT_EXCLUSIVE));
    return hints;
}

std::string AdapterCheckReport(const AdapterCheckResult& result)
{
    std::string text = FormatText(res::IDS_CHECK_PORT, platform::PrintableName(result.portName));
    if (!result.path.empty() && result.path != result.portName)
        text += " (" + platform::PrintableName(result.path) + ")";
    text += "\n" + FormatText(res::IDS_CHECK_ADAPTER, AdapterLine(result)) + "\n";
    if (!result.device.driver.empty())
        text += FormatText(res::IDS_CHECK_DRIVER, result.device.driver) + "\n";
    if (!result.device.byIdName.empty())
        text += FormatText(res::IDS_CHECK_STABLE_NAME, result.device.byIdName) + "\n";
    if (!result.opened) {
        text += FormatText(res::IDS_CHECK_NOT_OPENED, DescribeOpenFailure(result.openFailure)) + "\n";
    } else {
        text += res::LoadString(result.exclusive ? res::IDS_CHECK_OPENED_EXCLUSIVELY
                                                 : res::IDS_CHECK_OPENED_SHARED) +
                "\n";
        text += FormatText(res::IDS_CHECK_LATENCY, LatencyLine(result)) + "\n";
        text += FormatLines(res::IDS_CHECK_WAKE_UP_FORMAT, result.pulseFormat, result.echoCount);
        text += FormatLines(res::IDS_CHECK_FRAME_FORMAT, result.frameFormat, result.echoCount);
        if ((result.pulseFormat.accepted && result.pulseFormat.readBack) ||
            (result.frameFormat.accepted && result.frameFormat.readBack))
            text += res::LoadString(res::IDS_CHECK_READ_BACK_NOTE) + "\n";
    }
    text += FormatText(res::IDS_CHECK_VERDICT, VerdictText(device::VerdictOf(result))) + "\n";
    const std::vector<std::string> hints = AdapterCheckHints(result);
    if (!hints.empty()) {
        text += res::LoadString(res::IDS_CHECK_HINTS) + "\n";
        for (const std::string& hint : hints)
            text += "- " + hint + "\n";
    }
    return text;
}

}  // namespace operation
