// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-EEPROM read and write against the simulator with 10472-baud byte timing: wall time
// against the ideal time of the same traffic, the CPU time of the process and of the engine's
// own thread. Then the time one echo takes through the engine against a bare poll() loop on
// the same pseudo-terminal.

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
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
double IdealSeconds(const device::CDeviceZAQ& engine, std::size_t frameBytes, std::size_t answerBytes,
                    std::size_t answers)
{
    const double byteSeconds = 10.0 / device::zaq::kFrameBaud;
    const double wakeUpMs =
        engine.idleAfterPulse1Ms + engine.pulseMs + engine.idleAfterPulse2Ms + engine.pulseMs;
    return wakeUpMs / 1000 + (frameBytes + answerBytes) * byteSeconds +
           answers * engine.pauseAfterAnswerMs / 1000.0;
}

bool Measure(const char* what, bool write, zaqsim::Simulator& simulator, device::CDeviceZAQ& engine,
             probexcli::NotificationQueue& queue, std::uint8_t* image)
{
    simulator.Log().Clear();
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
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
    const double cpu = CpuSeconds() - cpuBefore;
    const double engineCpu = ThreadCpuSeconds(engineClock) - engineBefore;
    if (result != device::ResultOk) {
        std::printf("%s: the engine ended with result %u\n", what, unsigned(result));
        return false;
    }
    const auto frames = simulator.Log().Frames();
    std::size_t frameBytes = 0;
    std::size_t requests = 0;
    for (const zaqsim::WireFrame& frame : frames) {
        if (frame.kind == zaqsim::FrameKind::Pulse)
            continue;
        frameBytes += frame.bytes.size();
        requests += frame.kind == zaqsim::FrameKind::Request;
    }
    const double ideal = IdealSeconds(engine, frameBytes, simulator.Log().AnswerByteCount(), requests);
    std::printf("%-28s wall %7.3f s   ideal %7.3f s   wall/ideal %5.3f   CPU %7.3f s (%3.0f%% of wall)\n",
                what, wall, ideal, wall / ideal, cpu, 100 * cpu / wall);
    std::printf("%-28s engine thread CPU %7.3f s (%5.2f%% of wall; goal under 5%%)\n", "", engineCpu,
                100 * engineCpu / wall);
    std::printf("%-28s %zu request frames, %zu bytes sent, %zu answer bytes\n", "", requests, frameBytes,
                simulator.Log().AnswerByteCount());
    return true;
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
    std::printf("echo round trip (median of %zu)  bare poll() loop %6.1f us   engine SendByte %6.1f us   "
                "engine/floor %4.2f (goal at most 1.5)\n",
                engineUs.size(), floor, engine, engine / floor);
    return true;
}

}  // namespace

int main()
{
    zaqsim::SimOptions options;
    options.byteTiming = true;
    zaqsim::Simulator simulator(options);
    std::string error;
    if (!simulator.Start(error)) {
        std::fprintf(stderr, "bench-transfer: %s\n", error.c_str());
        return 1;
    }
    probexcli::NotificationQueue queue(device::g_deviceZaqMessage);
    platform::SetMainWindowTarget(&queue);
    bool ok = true;
    {
        device::CDeviceZAQ engine;
        engine.portName = simulator.SlavePath();
        engine.answerTimeoutMs = 1000;
        engine.Start();
        std::uint8_t image[256];
        for (int i = 0; i < 256; ++i)
            image[i] = std::uint8_t(i * 7 + 3);
        std::printf("transfer over a pseudo-terminal, device simulated at 10472 baud\n");
        ok = Measure("write 256 bytes (4 frames/B)", true, simulator, engine, queue, image) &&
             Measure("read 256 bytes (1 frame/B)", false, simulator, engine, queue, image);
    }
    platform::SetMainWindowTarget(nullptr);
    ok = ok && MeasureEcho();
    return ok ? 0 : 1;
}
