// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What crossed the simulated wire, for tests and for a log file.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "tools/zaq-sim/LineSettings.h"

namespace zaqsim {

using SimClock = std::chrono::steady_clock;

enum class FrameKind {
    Pulse,
    Request,
    Trailer
};

// A unit the device recognised: a wake-up pulse, a complete request (checksum included) or the
// trailer. Its time is when its first byte arrived.
struct WireFrame {
    FrameKind kind;
    SimClock::time_point time;
    std::vector<std::uint8_t> bytes;
    LineSettings line;
};

class WireLog {
public:
    WireLog();
    ~WireLog();
    WireLog(const WireLog&) = delete;
    WireLog& operator=(const WireLog&) = delete;

    bool OpenFile(const std::string& path);

    void ClientByte(std::uint8_t byte, const LineSettings& line);
    void EchoByte(std::uint8_t byte);
    void AnswerByte(std::uint8_t byte);
    void Frame(const WireFrame& frame);
    void Note(const std::string& text);

    std::vector<WireFrame> Frames() const;
    std::vector<std::string> Notes() const;
    // Every byte the client sent, in order.
    std::vector<std::uint8_t> ClientBytes() const;
    std::size_t ClientByteCount() const;
    std::size_t AnswerByteCount() const;
    void Clear();

private:
    void Line(const std::string& text);

    mutable std::mutex mutex_;
    SimClock::time_point origin_;
    std::FILE* file_ = nullptr;
    std::vector<WireFrame> frames_;
    std::vector<std::string> notes_;
    std::vector<std::uint8_t> clientBytes_;
    std::size_t answerBytes_ = 0;
};

// Frames of one kind, in order.
std::vector<WireFrame> FramesOf(const std::vector<WireFrame>& frames, FrameKind kind);

}  // namespace zaqsim
