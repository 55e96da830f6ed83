// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-EEPROM read and write against the simulator with precise 10472-baud byte timing, with
// no USB serial chip between and behind chips with a 1 ms and a 16 ms latency timer, each sent
// byte by byte and in whole frames: wall time against the time of the same traffic on the wire,
// the CPU time of the process and of the engine's own thread, and how precisely the simulator
// kept its times. Then the time one echo takes through the engine against a bare poll() loop on
// the same pseudo-terminal.
//
// bench-transfer [--latency MS]...   (default: none, 1 and 16)

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "device/CDeviceZAQ.h"
#include "device/ZaqProtocol.h"
#include "platform/MessageTarget.h"
#include "tools/probex-cli/NotificationQueue.h"
#include "tools/zaq-sim/Simulator.h"

namespace {

double ThreadCpuSeconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::uint16_t WaitFinished(probexcli::NotificationQueue& queue)
{
    for (;;) {
        const std::uint32_t wParam = queue.Take();
        if (device::zaq::NotificationCode(wParam) == device::NotifyFinished)
            return device::zaq::NotificationValue(wParam);
    }
}

// The traffic of one connection at its best: every byte sent and answered at 10 bits per
// 1/10472 s, each good answer followed by its pause, plus the two wake-up quiet times.
double WireSeconds(const device::CDeviceZAQ& engine, std::size_t frameBytes, std::size_t answerBytes,
                   std::size_t answers)
{
    const double byteSeconds = 10.0 / device::zaq::kFrameBaud;
    const double wakeUpMs =
        engine.idleAfterPulse1Ms + engine.pulseMs + engine.idleAfterPulse2Ms + engine.pulseMs;
    return wakeUpMs / 1000 + (frameBytes + answerBytes) * byteSeconds +
           answers * engine.pauseAfterAnswerMs / 1000.0;
}

struct Measurement {
    double wall = 0;
    double wire = 0;
    double cpu = 0;
    double engineCpu = 0;
    std::size_t requests = 0;
    std::size_t frameBytes = 0;
    std::size_t answerBytes = 0;
    std::uint64_t timedOutputs = 0;
    std::uint64_t lateOutputs = 0;
    double worstLateUs = 0;
};

bool Measure(bool write, zaqsim::Simulator& simulator, device::CDeviceZAQ& engine,
             probexcli::NotificationQueue& queue, std::uint8_t* image, Measurement& m)
{
    simulator.Log().Clear();
    simulator.Timing().Reset();
    clockid_t engineClock{};
    pthread_getcpuclockid(pthread_t(engine.GetThreadHandle()), &engineClock);
    const double engineBefore = ThreadCpuSeconds(engineClock);
    const double cpuBefore = CpuSeconds();
    const auto before = std::chrono::steady_clock::now();
    if (write) {
        engine.StartWrite(image, 0, 256, false);
    } else {
        engine.StartRead(image, 0, 256, false);
    }
    const std::uint16_t result = WaitFinished(queue);
    m.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
    m.cpu = CpuSeconds() - cpuBefore;
    m.engineCpu = ThreadCpuSeconds(engineClock) - engineBefore;
    if (result != device::ResultOk) {
        std::printf("%s: the engine ended with result %u\n", write ? "write" : "read", unsigned(result));
        return false;
    }
    for (const zaqsim::WireFrame& frame : simulator.Log().Frames()) {
        if (frame.kind == zaqsim::FrameKind::Pulse)
            continue;
        m.frameBytes += frame.bytes.size();
        m.requests += frame.kind == zaqsim::FrameKind::Request;
    }
    m.answerBytes = simulator.Log().AnswerByteCount();
    m.wire = WireSeconds(engine, m.frameBytes, m.answerBytes, m.requests);
    m.timedOutputs = simulator.Timing().Count();
    m.lateOutputs = simulator.Timing().Late();
    m.worstLateUs = simulator.Timing().MaxMicros();
    return true;
}

struct Row {
    std::uint32_t latencyMs = 0;
    bool wholeFrames = false;
    Measurement read;
    Measurement write;
};

bool MeasureRow(Row& row, probexcli::NotificationQueue& queue)
{
    zaqsim::SimOptions options;
    options.byteTiming = true;
    options.usbLatencyMs = row.latencyMs;
    zaqsim::Simulator simulator(options);
    std::string error;
    if (!simulator.Start(error)) {
        std::fprintf(stderr, "bench-transfer: %s\n", error.c_str());
        return false;
    }
    device::CDeviceZAQ engine;
    engine.portName = simulator.SlavePath();
    engine.answerTimeoutMs = 1000;
    engine.sendWholeFrames = row.wholeFrames;
    engine.Start();
    std::uint8_t image[256];
    for (int i = 0; i < 256; ++i)
        image[i] = std::uint8_t(i * 7 + 3);
    return Measure(false, simulator, engine, queue, image, row.read) &&
           Measure(true, simulator, engine, queue, image, row.write);
}

std::string LatencyText(std::uint32_t latencyMs)
{
    return latencyMs == 0 ? "none" : std::to_string(latencyMs) + " ms";
}

const char* SendingText(const Row& row)
{
    return row.wholeFrames ? "whole-frame" : "byte-by-byte";
}

// The most wall time over wire time the row may take, 0 where there is no goal: the engine
// alone adds 2 %; with a latency timer one expiry per exchange is the floor when each request
// waits for its answer, which whole frames come near.
double Goal(const Row& row)
{
    if (row.latencyMs == 0)
        return 1.02;
    if (!row.wholeFrames)
        return 0;
    return row.latencyMs == 1 ? 1.10 : row.latencyMs == 16 ? 2.0 : 0;
}

std::string GoalText(const Row& row)
{
    const double goal = Goal(row);
    if (goal == 0)
        return "";
    const bool met = row.read.wall / row.read.wire <= goal && row.write.wall / row.write.wire <= goal;
    char text[32];
    std::snprintf(text, sizeof text, "%s %.2f", met ? "met" : "MISSED", goal);
    return text;
}

void PrintTable(const std::vector<Row>& rows)
{
    std::printf(
        "\nwhole EEPROM over a pseudo-terminal, device simulated at 10472 baud, precise byte timing\n");
    std::printf("%-12s %-13s %9s %8s %6s   %9s %8s %6s   %s\n", "USB latency", "sending", "read", "wire",
                "ratio", "write", "wire", "ratio", "goal");
    for (const Row& row : rows) {
        std::printf("%-12s %-13s %7.2f s %6.2f s %6.3f   %7.2f s %6.2f s %6.3f   %s\n",
                    LatencyText(row.latencyMs).c_str(), SendingText(row), row.read.wall, row.read.wire,
                    row.read.wall / row.read.wire, row.write.wall, row.write.wire,
                    row.write.wall / row.write.wire, GoalText(row).c_str());
    }
    std::printf("\n%-12s %-13s %-6s %10s %10s %9s %12s\n", "USB latency", "sending", "", "process CPU",
                "engine CPU", "requests", "late > 20 us");
    for (const Row& row : rows) {
        for (const auto& [what, m] : {std::pair{"read", &row.read}, std::pair{"write", &row.write}}) {
            const double late =
                m->timedOutputs ? 100.0 * double(m->lateOutputs) / double(m->timedOutputs) : 0;
            std::printf("%-12s %-13s %-6s %9.1f%% %9.2f%% %9zu %5.1f%% (worst %.0f us)\n",
                        LatencyText(row.latencyMs).c_str(), SendingText(row), what, 100 * m->cpu / m->wall,
                        100 * m->engineCpu / m->wall, m->requests, late, m->worstLateUs);
        }
    }
    std::printf(
        "(engine CPU goal under 5%% of wall; the simulator's timed output is late by more than 20 us\n"
        " only when the machine keeps it from running)\n");
}

// The engine's own send-and-echo step, on a port it opens itself.
class EchoProbe : public device::CDeviceZAQ {
public:
    using device::CDeviceZAQ::SendByte;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Microseconds per echo: the engine's SendByte against write() and poll() on a descriptor of
// the same line, in alternating blocks so that both see the same machine.
bool MeasureEcho()
{
    zaqsim::SimOptions options;  // no byte timing: the echo comes back as fast as the line allows
    zaqsim::Simulator simulator(options);
    std::string error;
    if (!simulator.Start(error)) {
        std::fprintf(stderr, "bench-transfer: %s\n", error.c_str());
        return false;
    }
    using Clock = std::chrono::steady_clock;
    constexpr int kBlocks = 20;
    constexpr int kPerBlock = 100;
    std::vector<double> engineUs, floorUs;
    for (int block = 0; block < kBlocks; ++block) {
        {
            EchoProbe probe;
            if (probe.Open(simulator.SlavePath(), 0, 0, true) != 0) {
                std::fprintf(stderr, "bench-transfer: cannot open %s\n", simulator.SlavePath().c_str());
                return false;
            }
            probe.SetLineFormat(device::zaq::kFrameBaud, 8, 0, 0);
            for (int i = 0; i < kPerBlock; ++i) {
                const auto before = Clock::now();
                if (probe.SendByte(0x55) != device::ResultOk) {
                    std::fprintf(stderr, "bench-transfer: no echo through the engine\n");
                    return false;
                }
                engineUs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
            }
        }
        {
            const int fd = ::open(simulator.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0)
                return false;
            for (int i = 0; i < kPerBlock; ++i) {
                const std::uint8_t byte = 0x55;
                const auto before = Clock::now();
                if (::write(fd, &byte, 1) != 1)
                    return false;
                std::uint8_t echo = 0;
                for (;;) {
                    pollfd pfd{fd, POLLIN, 0};
                    ::poll(&pfd, 1, 1000);
                    if (::read(fd, &echo, 1) == 1)
                        break;
                }
                floorUs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
            }
            ::close(fd);
        }
    }
    const double engine = Median(engineUs);
    const double floor = Median(floorUs);
    std::printf("\necho round trip (median of %zu)  bare poll() loop %6.1f us   engine SendByte %6.1f us   "
                "engine/floor %4.2f (goal at most 1.5)\n",
                engineUs.size(), floor, engine, engine / floor);
    return true;
}

bool ParseLatencies(int argc, char** argv, std::vector<Row>& rows)
{
    std::vector<std::uint32_t> latencies;
    // Arguments come in pairs: --latency MS.
    for (int i = 1; i < argc; i += 2) {
        const std::string arg = argv[i];
        std::uint32_t value = 0;
        const char* text = i + 1 < argc ? argv[i + 1] : "";
        const char* end = text + std::char_traits<char>::length(text);
        if (arg != "--latency" || std::from_chars(text, end, value).ptr != end || *text == 0 || value > 255)
            return false;
        latencies.push_back(value);
    }
    if (latencies.empty())
        latencies = {0, 1, 16};
    for (const std::uint32_t latencyMs : latencies) {
        for (const bool wholeFrames : {false, true})
            rows.push_back({latencyMs, wholeFrames, {}, {}});
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<Row> rows;
    if (!ParseLatencies(argc, argv, rows)) {
        std::fprintf(stderr, "usage: bench-transfer [--latency MS]...   (MS 0 to 255; default 0 1 16)\n");
        return 64;
    }
    probexcli::NotificationQueue queue(device::g_deviceZaqMessage);
    platform::SetMainWindowTarget(&queue);
    bool ok = true;
    for (Row& row : rows) {
        std::printf("measuring: USB latency %s, %s\n", LatencyText(row.latencyMs).c_str(), SendingText(row));
        std::fflush(stdout);
        ok = ok && MeasureRow(row, queue);
    }
    platform::SetMainWindowTarget(nullptr);
    if (ok)
        PrintTable(rows);
    ok = ok && MeasureEcho();
    return ok ? 0 : 1;
}
