// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zaq-sim/WireLog.h"

namespace zaqsim {

WireLog::WireLog() : origin_(SimClock::now()) {}

WireLog::~WireLog()
{
    if (file_)
        std::fclose(file_);
}

bool WireLog::OpenFile(const std::string& path)
{
    std::lock_guard lock(mutex_);
    if (file_)
        std::fclose(file_);
    file_ = std::fopen(path.c_str(), "w");
    return file_ != nullptr;
}

void WireLog::Line(const std::string& text)
{
    if (!file_)
        return;
    const double ms = std::chrono::duration<double, std::milli>(SimClock::now() - origin_).count();
    std::fprintf(file_, "%12.3f %s\n", ms, text.c_str());
    std::fflush(file_);
}

namespace {
std::string Hex(std::uint8_t byte)
{
    char text[4];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}
}  // namespace

void WireLog::ClientByte(std::uint8_t byte, const LineSettings& line)
{
    std::lock_guard lock(mutex_);
    clientBytes_.push_back(byte);
    Line("client " + Hex(byte) + "  " + line.Text());
}

void WireLog::EchoByte(std::uint8_t byte)
{
    std::lock_guard lock(mutex_);
    Line("echo   " + Hex(byte));
}

void WireLog::AnswerByte(std::uint8_t byte)
{
    std::lock_guard lock(mutex_);
    ++answerBytes_;
    Line("device " + Hex(byte));
}

void WireLog::Frame(const WireFrame& frame)
{
    std::lock_guard lock(mutex_);
    frames_.push_back(frame);
    static const char* const kKinds[] = {"pulse", "request", "trailer"};
    std::string text = std::string("frame  ") + kKinds[int(frame.kind)] + ":";
    for (std::uint8_t byte : frame.bytes)
        text += " " + Hex(byte);
    Line(text);
}

void WireLog::Note(const std::string& text)
{
    std::lock_guard lock(mutex_);
    notes_.push_back(text);
    Line("note   " + text);
}

std::vector<WireFrame> WireLog::Frames() const
{
    std::lock_guard lock(mutex_);
    return frames_;
}

std::vector<std::string> WireLog::Notes() const
{
    std::lock_guard lock(mutex_);
    return notes_;
}

std::vector<std::uint8_t> WireLog::ClientBytes() const
{
    std::lock_guard lock(mutex_);
    return clientBytes_;
}

std::size_t WireLog::ClientByteCount() const
{
    std::lock_guard lock(mutex_);
    return clientBytes_.size();
}

std::size_t WireLog::AnswerByteCount() const
{
    std::lock_guard lock(mutex_);
    return answerBytes_;
}

void WireLog::Clear()
{
    std::lock_guard lock(mutex_);
    answerBytes_ = 0;
    frames_.clear();
    notes_.clear();
    clientBytes_.clear();
}

std::vector<WireFrame> FramesOf(const std::vector<WireFrame>& frames, FrameKind kind)
{
    std::vector<WireFrame> result;
    for (const WireFrame& frame : frames) {
        if (frame.kind == kind)
            result.push_back(frame);
    }
    return result;
}

}  // namespace zaqsim
