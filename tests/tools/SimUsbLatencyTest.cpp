// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "tools/zaq-sim/UsbLatencyBuffer.h"

namespace {

using zaqsim::SimClock;
using Micros = std::chrono::microseconds;

struct Release {
    double ms;
    std::size_t bytes;
    bool operator==(const Release&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Release& release)
{
    return out << release.bytes << " bytes at " << release.ms << " ms";
}

const SimClock::time_point kStart{std::chrono::hours(1)};

SimClock::time_point At(double ms)
{
    return kStart + Micros(std::llround(ms * 1000));
}

double MsOf(SimClock::time_point time)
{
    return double(std::chrono::duration_cast<Micros>(time - kStart).count()) / 1000;
}

// Runs the buffer as the simulator does: every release taken at the time NextRelease names,
// before the next byte comes off the line. Checks that the bytes leave in their order.
std::vector<Release> Drive(std::uint32_t latencyMs, const std::vector<double>& arrivalsMs)
{
    zaqsim::UsbLatencyBuffer buffer(std::chrono::milliseconds(latencyMs), kStart);
    std::vector<Release> releases;
    std::uint8_t next = 0;
    const auto take = [&](SimClock::time_point now) {
        for (const zaqsim::UsbRelease& release : buffer.TakeDue(now)) {
            EXPECT_LE(release.time, now);
            for (std::uint8_t byte : release.bytes)
                EXPECT_EQ(byte, next++);
            releases.push_back({MsOf(release.time), release.bytes.size()});
        }
    };
    std::uint8_t byte = 0;
    for (double ms : arrivalsMs) {
        while (buffer.NextRelease() <= At(ms))
            take(buffer.NextRelease());
        buffer.Add(byte++, At(ms));
        take(At(ms));
    }
    while (!buffer.Empty())
        take(buffer.NextRelease());
    EXPECT_EQ(next, byte);
    return releases;
}

std::vector<double> Evenly(double firstMs, double stepMs, int count)
{
    std::vector<double> times;
    times.reserve(count);
    for (int i = 0; i < count; ++i)
        times.push_back(firstMs + i * stepMs);
    return times;
}

TEST(SimUsbLatency, ReleasesWhenTheTimerExpiresOrAPacketIsFull)
{
    struct Case {
        const char* what;
        std::uint32_t latencyMs;
        std::vector<double> arrivalsMs;
        std::vector<Release> expected;
    };
    std::vector<double> fullPacketThenOne = Evenly(1.0, 0.1, 62);
    fullPacketThenOne.push_back(8.0);
    const Case cases[] = {
        {"an echo waits for the next expiry", 16, {1.0}, {{16, 1}}},
        {"echoes byte by byte: one expiry each", 16, {1.0, 17.0, 33.0}, {{16, 1}, {32, 1}, {48, 1}}},
        {"an answer gathers into one release", 16, Evenly(17.0, 0.955, 8), {{32, 8}}},
        {"a byte just after an expiry waits for the next", 16, {15.9, 16.1}, {{16, 1}, {32, 1}}},
        {"the timer keeps its beat while nothing waits", 16, {100.5}, {{112, 1}}},
        {"a byte at the expiry itself waits for the next", 16, {16.0}, {{32, 1}}},
        {"62 bytes go at once and restart the timer", 16, fullPacketThenOne, {{7.1, 62}, {23.1, 1}}},
        {"124 bytes make two full packets", 255, Evenly(1.0, 0.01, 124), {{1.61, 62}, {2.23, 62}}},
        {"1 ms: an echo that misses an expiry by microseconds waits a whole period",
         1,
         {0.5, 1.985, 3.005},
         {{1, 1}, {2, 1}, {4, 1}}},
        {"without latency every byte goes when it comes",
         0,
         {0.5, 0.5, 3.25},
         {{0.5, 1}, {0.5, 1}, {3.25, 1}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Drive(c.latencyMs, c.arrivalsMs), c.expected) << c.what;
}

TEST(SimUsbLatency, NothingIsDueBeforeItsTimeAndTakeAllRestartsTheTimer)
{
    zaqsim::UsbLatencyBuffer buffer(std::chrono::milliseconds(16), kStart);
    EXPECT_EQ(buffer.NextRelease(), SimClock::time_point::max());
    buffer.Add(0x55, At(3));
    EXPECT_EQ(buffer.NextRelease(), At(16));
    EXPECT_TRUE(buffer.TakeDue(At(15.999)).empty());
    EXPECT_FALSE(buffer.Empty());

    // Handed over early (the line goes dead), the bytes leave now and the beat starts again.
    const auto all = buffer.TakeAll(At(10));
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].time, At(10));
    EXPECT_EQ(all[0].bytes, std::vector<std::uint8_t>{0x55});
    EXPECT_TRUE(buffer.Empty());
    buffer.Add(0xAA, At(11));
    EXPECT_EQ(buffer.NextRelease(), At(26));
}

}  // namespace
