// SPDX-License-Identifier: GPL-3.0-or-later
// The adapter check's report: each finding's hint, the verdict, and the report's lines.
#include "operation/AdapterCheckReport.h"
#include "platform/ErrorCodes.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace device;
using operation::AdapterCheckHints;
using operation::AdapterCheckReport;

namespace {

// The system's number for a port that another program holds: Windows refuses it as access denied.
#ifdef _WIN32
constexpr int kPortHeldErrno = 5;
#else
constexpr int kPortHeldErrno = EBUSY;
#endif

// A clean result, as from a good adapter on a port without a latency timer.
AdapterCheckResult GoodResult()
{
    AdapterCheckResult result;
    result.portName = "COM3";
    result.path = "/dev/ttyUSB0";
    result.opened = true;
    result.exclusive = true;
    result.echoCount = 20;
    result.pulseFormat = {
        400, platform::kSpaceParity, true, true, 400, platform::kSpaceParity, 20, 20, 0, 28, 29, 31};
    result.frameFormat = {
        10472, platform::kNoParity, true, true, 10472, platform::kNoParity, 20, 20, 0, 1, 1.2, 2};
    return result;
}

TEST(AdapterCheckHints, EachFindingLeadsToItsHint)
{
    EXPECT_TRUE(AdapterCheckHints(GoodResult()).empty());
    EXPECT_EQ(VerdictOf(GoodResult()), AdapterVerdict::Echoes);

    struct Case {
        const char* what;
        void (*change)(AdapterCheckResult&);
        AdapterVerdict verdict;
        std::string hintStart;
    };
    const Case cases[] = {
        {"FTDI default timer",
         [](AdapterCheckResult& r) {
             r.device.latencyTimerMs = 16;
             r.device.latencyTimerPath = "/sys/class/tty/ttyUSB0/device/latency_timer";
         },
         AdapterVerdict::Echoes,
         "latency timer 16 ms: every byte waits 16 ms; a whole EEPROM takes that much longer. Set it to 1 "
         "ms: "
         "echo 1 | sudo tee /sys/class/tty/ttyUSB0/device/latency_timer"},
        {"speed the chip cannot make", [](AdapterCheckResult& r) { r.frameFormat.actualBaud = 9600; },
         AdapterVerdict::Echoes, "the driver runs 9600 baud instead of 10472 (8.3% off)"},
        {"no space parity", [](AdapterCheckResult& r) { r.pulseFormat.actualParity = platform::kEvenParity; },
         AdapterVerdict::Echoes, "the driver keeps even parity instead of space parity"},
        {"format refused",
         [](AdapterCheckResult& r) {
             r.pulseFormat = {400, platform::kSpaceParity};
         },
         AdapterVerdict::NoEcho, "the driver refused 400 baud, space parity: the device cannot be woken"},
        {"no echo at the slow format",
         [](AdapterCheckResult& r) {
             r.pulseFormat.sent = 1;
             r.pulseFormat.echoed = 0;
         },
         AdapterVerdict::NoEcho, "no echo at 400 baud, space parity: the adapter does not pass this format"},
        {"some echoes missing", [](AdapterCheckResult& r) { r.frameFormat.echoed = 17; },
         AdapterVerdict::EchoFaulty, "3 of 20 echoes missing at 10472 baud, no parity"},
        {"not exclusive", [](AdapterCheckResult& r) { r.exclusive = false; }, AdapterVerdict::Echoes,
         "the port is not held exclusively"},
        {"stopped",
         [](AdapterCheckResult& r) {
             r.stopped = true;
             r.frameFormat.sent = r.frameFormat.echoed = 3;
         },
         AdapterVerdict::EchoFaulty, "the check was stopped before it ended"},
    };
    for (const Case& c : cases) {
        AdapterCheckResult result = GoodResult();
        c.change(result);
        EXPECT_EQ(VerdictOf(result), c.verdict) << c.what;
        const auto hints = AdapterCheckHints(result);
        ASSERT_EQ(hints.size(), 1u) << c.what << ": " << (hints.empty() ? "" : hints[1]);
        EXPECT_EQ(hints.front().rfind(c.hintStart, 0), 0u) << c.what << ": " << hints.front();
    }
}

TEST(AdapterCheckReport, SaysWhatWasFoundThenTheVerdictAndTheHints)
{
    AdapterCheckResult result = GoodResult();
    result.device.inSysfs = true;
    result.device.usb = true;
    result.device.driver = "ftdi_sio";
    result.device.product = "FT232R USB UART";
    result.device.manufacturer = "FTDI";
    result.device.vendorId = "0403";
    result.device.productId = "6001";
    result.device.serialNumber = "A50285BI";
    result.device.byIdName = "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
    result.device.latencyTimerMs = 16;
    result.device.latencyTimerPath = "/sys/class/tty/ttyUSB0/device/latency_timer";
    result.lowLatency = false;
    result.frameFormat.changed = 1;
    EXPECT_EQ(
        AdapterCheckReport(result),
        "Port: COM3 (/dev/ttyUSB0)\n"
        "Adapter: FT232R USB UART (FTDI), USB 0403:6001, serial A50285BI\n"
        "Driver: ftdi_sio\n"
        "Stable name: /dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0\n"
        "Opened: exclusively (a second open is refused)\n"
        "Latency timer: 16 ms; low latency: off\n"
        "Wake-up format (400 baud, space parity): set; read back 400 baud, space parity\n"
        "  echoes: 20 of 20; round trip min 28.0 ms, median 29.0 ms, max 31.0 ms\n"
        "Frame format (10472 baud, no parity): set; read back 10472 baud, no parity\n"
        "  echoes: 20 of 20, 1 changed; round trip min 1.0 ms, median 1.2 ms, max 2.0 ms\n"
        "Read back: the driver's record of each format; it shows what the driver made of the request, "
        "not whether a USB adapter's chip took it (a refusal shows in the kernel log, and as echoes "
        "missing or changed)\n"
        "Verdict: the adapter echoes, but not every byte came back as sent.\n"
        "Hints:\n"
        "- 1 echoes came back changed at 10472 baud, no parity: a noisy line or a speed the adapter "
        "cannot make\n"
        "- latency timer 16 ms: every byte waits 16 ms; a whole EEPROM takes that much longer. Set it to "
        "1 ms: echo 1 | sudo tee /sys/class/tty/ttyUSB0/device/latency_timer (a udev rule keeps it across "
        "plugging in)\n");
}

TEST(AdapterCheckReport, ASilentAdapterAndAPortThatDidNotOpen)
{
    AdapterCheckResult silent = GoodResult();
    silent.path = "/dev/pts/4";
    for (LineFormatCheck* format : {&silent.pulseFormat, &silent.frameFormat}) {
        format->sent = 1;
        format->echoed = 0;
    }
    const std::string silentReport = AdapterCheckReport(silent);
    for (const char* line :
         {"Adapter: pseudo-terminal (no USB device behind it)\n",
          "Latency timer: none (the driver has no latency timer); low latency: not offered by "
          "the driver\n",
          "  echoes: 0 of 20 (1 sent)\n",
          "Verdict: no echo at one format or both: the device cannot be reached through this "
          "adapter.\n",
          "Hints:\n- no echo: the adapter is not powered (it takes power from the diagnostic "
          "socket) or not a K-line adapter\n"})
        EXPECT_NE(silentReport.find(line), std::string::npos) << line << "---\n" << silentReport;

    // A driver that tells nothing back is not said to have read anything back, nor blamed for a
    // speed or parity it never named.
    AdapterCheckResult unread = GoodResult();
    for (LineFormatCheck* format : {&unread.pulseFormat, &unread.frameFormat}) {
        format->readBack = false;
        format->actualBaud = 0;
        format->actualParity = 0;
    }
    const std::string unreadReport = AdapterCheckReport(unread);
    EXPECT_NE(unreadReport.find("Frame format (10472 baud, no parity): set; the driver tells nothing back\n"
                                "  echoes: 20 of 20;"),
              std::string::npos)
        << unreadReport;
    EXPECT_EQ(unreadReport.find("read back"), std::string::npos) << unreadReport;
    EXPECT_EQ(unreadReport.find("Read back"), std::string::npos) << unreadReport;
    EXPECT_TRUE(AdapterCheckHints(unread).empty());

    AdapterCheckResult closed;
    closed.portName = "COM3";
    closed.path = "/dev/ttyUSB0";
    closed.openFailure = {"COM3", "/dev/ttyUSB0", kPortHeldErrno};
    EXPECT_EQ(AdapterCheckReport(closed), "Port: COM3 (/dev/ttyUSB0)\n"
                                          "Adapter: unknown to the system\n"
                                          "Opened: no: COM3 (/dev/ttyUSB0): " +
                                              platform::ErrnoText(kPortHeldErrno) +
                                              ". Another program holds the port (a terminal program, a modem "
                                              "manager, another Probex): close it and try again.\n"
                                              "Verdict: the port cannot be opened.\n");

    // A path's control characters reach no terminal raw.
    closed.portName = closed.path = "/dev/probex-\x1b[2J";
    closed.openFailure = {closed.portName, closed.path, ENOENT};
    const std::string odd = AdapterCheckReport(closed);
    EXPECT_EQ(odd.rfind("Port: /dev/probex-\\x1B[2J\n", 0), 0u) << odd;
    EXPECT_NE(odd.find("Opened: no: /dev/probex-\\x1B[2J: "), std::string::npos) << odd;
    EXPECT_EQ(odd.find('\x1b'), std::string::npos);
}

}  // namespace
