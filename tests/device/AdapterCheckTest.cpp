// The adapter check against zaq-sim on a real pseudo-terminal (echoing, silent, changing bytes,
// held by another program), and the hints its findings lead to.
#include "device/AdapterCheck.h"
#include "device/AdapterCheckReport.h"
#include "platform/SerialBackend.h"
#include "tests/support/FakeSysfs.h"
#include "tests/support/TempPortMap.h"
#include "tools/zaq-sim/Simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

using namespace device;

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class AdapterCheckOnSim : public testing::Test {
protected:
    void StartSim(zaqsim::SimOptions options = {})
    {
        sim_ = std::make_unique<zaqsim::Simulator>(std::move(options));
        std::string error;
        ASSERT_TRUE(sim_->Start(error)) << error;
        portMap_.Link("COM5", sim_->SlavePath());
    }
    AdapterCheckResult Check(AdapterCheckOptions options = {})
    {
        options.roots = sysfs_.Roots();
        return CheckAdapter("COM5", platform::DefaultSerialBackend(), options);
    }
    std::string PtsName() const { return std::filesystem::path(sim_->SlavePath()).filename().string(); }

    testsupport::TempPortMap portMap_;
    testsupport::FakeSysfs sysfs_;
    std::unique_ptr<zaqsim::Simulator> sim_;
};

TEST_F(AdapterCheckOnSim, AnEchoingAdapterPassesAtBothFormatsAndTheDeviceStaysAsleep)
{
    zaqsim::SimOptions options;
    options.byteTiming = true;
    StartSim(options);
    // What sysfs would say if this terminal were an FTDI cable.
    sysfs_.AddUsbSerial(PtsName(), "ftdi_sio", {"0403", "6001", "FT232R USB UART", "FTDI", "A5"}, 16);
    const AdapterCheckResult result = Check();

    EXPECT_TRUE(result.opened);
    EXPECT_TRUE(result.exclusive);
    EXPECT_EQ(result.path, sim_->SlavePath());
    for (const LineFormatCheck* format : {&result.pulseFormat, &result.frameFormat}) {
        EXPECT_TRUE(format->accepted);
        EXPECT_EQ(format->actualBaud, format->baud);
        EXPECT_EQ(format->actualParity, format->parity);
        EXPECT_EQ(format->sent, 20u);
        EXPECT_EQ(format->echoed, 20u);
        EXPECT_EQ(format->changed, 0u);
        EXPECT_LE(format->minMs, format->medianMs);
        EXPECT_LE(format->medianMs, format->maxMs);
    }
    EXPECT_EQ(result.pulseFormat.baud, 400u);
    EXPECT_EQ(result.pulseFormat.parity, platform::kSpaceParity);
    EXPECT_EQ(result.frameFormat.baud, 10472u);
    EXPECT_EQ(result.frameFormat.parity, platform::kNoParity);
    // The simulator holds each echo for its 11 bits at 400 baud.
    EXPECT_GE(result.pulseFormat.minMs, 27.0);
    EXPECT_FALSE(result.lowLatency.has_value()) << "a pseudo-terminal has no such option";
    EXPECT_EQ(result.device.driver, "ftdi_sio");
    EXPECT_EQ(VerdictOf(result), AdapterVerdict::Echoes);

    const auto clientBytes = sim_->Log().ClientBytes();
    EXPECT_EQ(clientBytes.size(), 40u);
    EXPECT_EQ(std::count(clientBytes.begin(), clientBytes.end(), 0x00), 0) << "no wake-up pulse was sent";
    EXPECT_TRUE(zaqsim::FramesOf(sim_->Log().Frames(), zaqsim::FrameKind::Pulse).empty());

    const std::string report = AdapterCheckReport(result);
    for (const std::string& line :
         {"Port: COM5 (" + sim_->SlavePath() + ")\n",
          std::string("Adapter: FT232R USB UART (FTDI), USB 0403:6001, serial A5\n"),
          std::string("Driver: ftdi_sio\n"), std::string("Opened: exclusively (a second open is refused)\n"),
          std::string("Latency timer: 16 ms; low latency: not offered by the driver\n"),
          std::string("Wake-up format (400 baud, space parity): set; read back 400 baud, space parity\n"),
          std::string("Frame format (10472 baud, no parity): set; read back 10472 baud, no parity\n"),
          std::string("  echoes: 20 of 20; round trip min "),
          std::string("Verdict: the adapter echoes at both formats.\n"),
          std::string("- latency timer 16 ms: every byte waits 16 ms; ")})
        EXPECT_TRUE(Contains(report, line)) << line << "\n---\n" << report;
}

TEST_F(AdapterCheckOnSim, NoEchoEndsEachFormatAtItsFirstSilentByte)
{
    zaqsim::SimOptions options;
    options.noEcho = true;
    StartSim(options);
    AdapterCheckOptions checkOptions;
    checkOptions.echoTimeoutMs = 200;
    const AdapterCheckResult result = Check(checkOptions);
    EXPECT_TRUE(result.opened);
    for (const LineFormatCheck* format : {&result.pulseFormat, &result.frameFormat}) {
        EXPECT_TRUE(format->accepted);
        EXPECT_EQ(format->sent, 1u);
        EXPECT_EQ(format->echoed, 0u);
    }
    EXPECT_EQ(VerdictOf(result), AdapterVerdict::NoEcho);
    EXPECT_EQ(
        AdapterCheckHints(result),
        (std::vector<std::string>{"no echo: the adapter is not powered (it takes power from the diagnostic "
                                  "socket) or not a K-line adapter"}));
    EXPECT_TRUE(Contains(AdapterCheckReport(result), "  echoes: 0 of 20 (1 sent)\n"));
}

TEST_F(AdapterCheckOnSim, AChangedEchoMakesTheEchoFaulty)
{
    zaqsim::SimOptions options;
    options.corruptEcho = 25;  // the fifth byte at the frame format
    StartSim(options);
    const AdapterCheckResult result = Check();
    EXPECT_EQ(result.pulseFormat.changed, 0u);
    EXPECT_EQ(result.frameFormat.changed, 1u);
    EXPECT_EQ(result.frameFormat.echoed, 20u);
    EXPECT_EQ(VerdictOf(result), AdapterVerdict::EchoFaulty);
    EXPECT_TRUE(Contains(AdapterCheckReport(result), "  echoes: 20 of 20, 1 changed; round trip"));
}

TEST_F(AdapterCheckOnSim, APortHeldByAnotherProgramCannotBeOpenedAndSaysWhy)
{
    StartSim();
    platform::SerialBackend& backend = platform::DefaultSerialBackend();
    const platform::CommHandle holder = backend.CreateFile("COM5", false);
    ASSERT_NE(holder, platform::kNullHandle);
    const AdapterCheckResult result = Check();
    backend.CloseHandle(holder);
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(result.openFailure.err, EBUSY);
    EXPECT_EQ(VerdictOf(result), AdapterVerdict::CannotOpen);
    const std::string report = AdapterCheckReport(result);
    EXPECT_TRUE(Contains(report, "Opened: no: COM5 (" + sim_->SlavePath() + "): " + std::strerror(EBUSY) +
                                     ". Another program holds the port"))
        << report;
    EXPECT_TRUE(Contains(report, "Verdict: the port cannot be opened.\n")) << report;
    EXPECT_TRUE(sim_->Log().ClientBytes().empty());
}

// A clean result, as from a good adapter on a port without a latency timer.
AdapterCheckResult GoodResult()
{
    AdapterCheckResult result;
    result.portName = "COM3";
    result.path = "/dev/ttyUSB0";
    result.opened = true;
    result.exclusive = true;
    result.echoCount = 20;
    result.pulseFormat = {400, platform::kSpaceParity, true, 400, platform::kSpaceParity, 20, 20, 0, 28, 29,
                          31};
    result.frameFormat = {10472, platform::kNoParity, true, 10472, platform::kNoParity, 20, 20, 0, 1, 1.2, 2};
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

}  // namespace
