// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's serving loop on a real pseudo-terminal, played from the client's side.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <vector>

#include "platform/LineControl.h"
#include "tools/zaq-sim/Simulator.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void SetFormat(int fd, std::uint32_t baud, std::uint8_t parity)
{
    platform::Dcb dcb;
    dcb.baudRate = baud;
    dcb.byteSize = 8;
    dcb.parity = parity;
    dcb.stopBits = platform::kOneStopBit;
    ASSERT_EQ(platform::line::WriteState(fd, dcb), 0);
}

// Writes the bytes in one go and collects `count` bytes back.
Bytes Exchange(int fd, const Bytes& bytes, std::size_t count)
{
    EXPECT_EQ(::write(fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    Bytes got;
    while (got.size() < count) {
        pollfd pfd{fd, POLLIN, 0};
        if (::poll(&pfd, 1, 5000) <= 0)
            break;
        std::uint8_t chunk[64];
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0)
            got.insert(got.end(), chunk, chunk + n);
    }
    return got;
}

TEST(SimulatorOnPty, FollowsEveryChangeOfTheLineSettingsAndReleasesWhatTheChipHolds)
{
    struct Case {
        const char* what;
        bool clientClearsExtproc;  // the slave then reports no change: read settings as bytes come
        std::uint32_t usbLatencyMs;
    };
    const Case cases[] = {
        {"change reports, behind a USB chip", false, 5},
        {"no change reports, direct", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        zaqsim::SimOptions options;
        options.minGap1Ms = 0;
        options.minGap2Ms = 0;
        options.usbLatencyMs = c.usbLatencyMs;
        zaqsim::Simulator sim(options);
        std::string error;
        ASSERT_TRUE(sim.Start(error)) << error;
        const int fd = ::open(sim.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        platform::line::MakeRaw(fd);
        if (c.clientClearsExtproc) {
            termios settings{};
            ASSERT_EQ(tcgetattr(fd, &settings), 0);
            settings.c_lflag &= ~tcflag_t(EXTPROC);
            ASSERT_EQ(tcsetattr(fd, TCSANOW, &settings), 0);
        }

        SetFormat(fd, 400, platform::kSpaceParity);
        EXPECT_EQ(Exchange(fd, {0x00}, 1), Bytes{0x00});
        EXPECT_EQ(Exchange(fd, {0x00}, 1), Bytes{0x00});
        SetFormat(fd, zaqsim::kFrameBaud, platform::kNoParity);
        const Bytes start{0x81, 0x21, 0xF3, 0x81, 0x16};
        const std::size_t answerLength = 8;  // 84 F3 21 C1 .. .. .. checksum
        const Bytes got = Exchange(fd, start, start.size() + answerLength);
        ASSERT_EQ(got.size(), start.size() + answerLength);
        EXPECT_EQ(Bytes(got.begin(), got.begin() + 5), start);
        EXPECT_EQ(got[5 + 3], 0xC1);  // the positive answer to the connection start
        ::close(fd);

        const auto frames = sim.Log().Frames();
        ASSERT_EQ(frames.size(), 3u);
        EXPECT_EQ(frames[0].kind, zaqsim::FrameKind::Pulse);
        EXPECT_EQ(frames[1].kind, zaqsim::FrameKind::Pulse);
        EXPECT_EQ(frames[2].kind, zaqsim::FrameKind::Request);
        EXPECT_EQ(frames[2].line.baud, zaqsim::kFrameBaud);
        sim.Stop();
    }
}

}  // namespace
