// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zaq-sim/Simulator.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

#include "tools/zaq-sim/PortMapLink.h"

namespace zaqsim {

namespace {
constexpr int kPollMs = 20;
}

Simulator::Simulator(SimOptions options) : options_(std::move(options)), device_(options_, eeprom_, log_) {}

Simulator::~Simulator()
{
    Stop();
}

bool Simulator::Start(std::string& error)
{
    if (!eeprom_.Load(options_.eepromPath, error))
        return false;
    if (!options_.logPath.empty() && !log_.OpenFile(options_.logPath)) {
        error = options_.logPath + ": cannot write the log";
        return false;
    }
    if (!OpenTerminal(error))
        return false;
    stop_ = false;
    thread_ = std::thread([this] { Serve(); });
    return true;
}

bool Simulator::OpenTerminal(std::string& error)
{
    if (!terminal_.Open(error))
        return false;
    if (!options_.linkName.empty()) {
        if (!LinkPort(options_.linkName, terminal_.SlavePath(), error)) {
            terminal_.Close();
            return false;
        }
        linkedPath_ = terminal_.SlavePath();
    }
    bytesReceived_ = 0;
    unplugged_ = false;
    if (!options_.staleBytes.empty()) {
        // The slave is held open, so the bytes wait in its queue for whoever opens it next.
        if (write(terminal_.MasterFd(), options_.staleBytes.data(), options_.staleBytes.size()) !=
            ssize_t(options_.staleBytes.size())) {
            error = "cannot queue the stale bytes";
            terminal_.Close();
            return false;
        }
        log_.Note("stale bytes queued: " + std::to_string(options_.staleBytes.size()));
    }
    std::lock_guard lock(mutex_);
    slavePath_ = terminal_.SlavePath();
    return true;
}

void Simulator::Stop()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    terminal_.Close();
    if (!linkedPath_.empty())
        UnlinkPort(options_.linkName, linkedPath_);
    linkedPath_.clear();
}

bool Simulator::Replug(std::string& error)
{
    if (!thread_.joinable())
        return OpenTerminal(error);
    std::unique_lock lock(mutex_);
    replugRequested_ = true;
    replugDone_.wait(lock, [this] { return !replugRequested_; });
    error = replugError_;
    return replugOk_;
}

void Simulator::ServeReplugRequest()
{
    {
        std::lock_guard lock(mutex_);
        if (!replugRequested_)
            return;
    }
    if (!linkedPath_.empty())
        UnlinkPort(options_.linkName, linkedPath_);
    linkedPath_.clear();
    std::string error;
    const bool ok = OpenTerminal(error);
    std::lock_guard lock(mutex_);
    replugOk_ = ok;
    replugError_ = error;
    replugRequested_ = false;
    replugDone_.notify_all();
}

std::string Simulator::SlavePath() const
{
    std::lock_guard lock(mutex_);
    return slavePath_;
}

void Simulator::Serve()
{
    while (!stop_) {
        ServeReplugRequest();
        if (!terminal_.IsOpen()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
            continue;
        }
        pollfd pfd{terminal_.MasterFd(), POLLIN, 0};
        const int ready = poll(&pfd, 1, kPollMs);
        if (ready <= 0)
            continue;
        std::uint8_t buffer[64];
        const ssize_t got = read(terminal_.MasterFd(), buffer, sizeof buffer);
        if (got < 0) {
            // EIO: no slave descriptor is open any more; the client closed the port.
            if (errno == EIO) {
                log_.Note("port closed by the client");
                terminal_.HoldSlave();
            }
            continue;
        }
        for (ssize_t i = 0; i < got && terminal_.IsOpen(); ++i)
            HandleByte(buffer[i]);
    }
}

void Simulator::HandleByte(std::uint8_t byte)
{
    const SimClock::time_point arrival = SimClock::now();
    LineSettings line;
    ReadLineSettings(terminal_.MasterFd(), line);
    ++bytesReceived_;
    if (options_.corruptEcho != 0 && bytesReceived_ == options_.corruptEcho) {
        byte ^= 0x01;
        log_.Note("byte " + std::to_string(bytesReceived_) + " changed on the line");
    }
    log_.ClientByte(byte, line);
    if (!options_.noEcho) {
        // The device takes the byte before its echo leaves, so that whoever sees the echo
        // finds the byte's effects (a completed frame, a committed write) already recorded.
        std::vector<std::uint8_t> answer = device_.OnByte(byte, line, arrival);
        // The echo comes back once the byte has crossed the wire.
        Transmit(byte, line.CharacterMicros(), true);
        if (!answer.empty() && options_.responseDelayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(options_.responseDelayMs));
        const bool cut = !answer.empty() && ++answersSent_ == options_.unplugInAnswer;
        if (cut)
            answer.resize(std::min<std::size_t>(answer.size(), 2));
        for (std::uint8_t out : answer)
            Transmit(out, line.CharacterMicros(), false);
        if (cut) {
            Unplug();
            return;
        }
    }
    if (options_.unplugAfterBytes != 0 && bytesReceived_ == options_.unplugAfterBytes)
        Unplug();
}

void Simulator::Transmit(std::uint8_t byte, double characterMicros, bool echo)
{
    if (options_.byteTiming) {
        const auto now = SimClock::now();
        if (lineFreeAt_ < now)
            lineFreeAt_ = now;
        lineFreeAt_ += std::chrono::duration_cast<SimClock::duration>(
            std::chrono::duration<double, std::micro>(characterMicros));
        std::this_thread::sleep_until(lineFreeAt_);
    }
    if (write(terminal_.MasterFd(), &byte, 1) != 1)
        return;
    if (echo) {
        log_.EchoByte(byte);
    } else {
        log_.AnswerByte(byte);
    }
}

void Simulator::Unplug()
{
    log_.Note("unplugged after " + std::to_string(bytesReceived_) + " bytes");
    // Told before the terminal goes: a client sees the hang-up at once and may ask right away.
    unplugged_ = true;
    terminal_.Close();
}

}  // namespace zaqsim
