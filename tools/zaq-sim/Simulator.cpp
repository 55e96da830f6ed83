// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zaq-sim/Simulator.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "tools/zaq-sim/PortMapLink.h"

namespace zaqsim {

namespace {
constexpr int kPollMs = 20;
}  // namespace

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
    if (options_.anyLineFormat)
        log_.Note("line formats not checked: pulses and frames taken at any speed and parity");
    if (!OpenTerminal(error)) {
        Stop();  // takes back the link and the port-map folder a half-done start made
        return false;
    }
    stop_ = false;
    thread_ = std::thread([this] { Serve(); });
    return true;
}

bool Simulator::OpenTerminal(std::string& error)
{
    if (!terminal_.Open(error))
        return false;
    if (!options_.linkName.empty()) {
        bool createdFolder = false;
        const bool linked = LinkPort(options_.linkName, terminal_.SlavePath(), error, createdFolder);
        createdMapFolder_ = createdMapFolder_ || createdFolder;  // removed again even when the link failed
        if (!linked) {
            terminal_.Close();
            return false;
        }
        linkedPath_ = terminal_.SlavePath();
    }
    bytesReceived_ = 0;
    unplugged_ = false;
    RefreshLineSettings();
    if (options_.usbLatencyMs != 0)
        usb_.emplace(std::chrono::milliseconds(options_.usbLatencyMs), SimClock::now());
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
    // A folder left behind would change what every COMn means from then on.
    if (createdMapFolder_)
        RemovePortMapFolderIfEmpty();
    createdMapFolder_ = false;
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
    LowerTimerSlack();
    while (!stop_) {
        ServeReplugRequest();
        if (!terminal_.IsOpen()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
            continue;
        }
        ServeInput();
    }
}

void Simulator::ServeInput()
{
    ReleaseDue();
    const SimClock::time_point release = usb_ ? usb_->NextRelease() : SimClock::time_point::max();
    const SimClock::time_point now = SimClock::now();
    SimClock::time_point until = now + std::chrono::milliseconds(kPollMs);
    // Woken a little before a release, so that it is met to the microsecond.
    const bool forRelease = release < until + waiter_.WakeEarly();
    if (forRelease)
        until = release - waiter_.WakeEarly();
    const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(std::max(until - now, {}));
    const timespec timeout{time_t(left.count() / 1'000'000'000), long(left.count() % 1'000'000'000)};
    pollfd pfd{terminal_.MasterFd(), POLLIN, 0};
    if (ppoll(&pfd, 1, &timeout, nullptr) <= 0) {
        if (forRelease)
            WaitUntil(release);
        return;
    }
    // Packet mode: a status byte first, then the data, if any.
    std::uint8_t buffer[1 + 64];
    const ssize_t got = read(terminal_.MasterFd(), buffer, sizeof buffer);
    const SimClock::time_point received = SimClock::now();
    if (got < 0) {
        // EIO: no slave descriptor is open any more; the client closed the port, and what the
        // chip still held goes nowhere.
        if (errno == EIO) {
            log_.Note("port closed by the client");
            if (usb_)
                usb_->TakeAll(received);
            terminal_.HoldSlave();
        }
        return;
    }
    if (got == 0)
        return;
    if (buffer[0] != TIOCPKT_DATA) {
        if (buffer[0] & TIOCPKT_IOCTL)
            RefreshLineSettings();
        return;
    }
    if (!settingChangesReported_)
        RefreshLineSettings();
    for (ssize_t i = 1; i < got && terminal_.IsOpen(); ++i)
        HandleByte(buffer[i], received);
}

void Simulator::RefreshLineSettings()
{
    ReadLineSettings(terminal_.MasterFd(), line_);
    settingChangesReported_ = terminal_.ReportsSettingChanges();
}

void Simulator::HandleByte(std::uint8_t byte, SimClock::time_point received)
{
    ++bytesReceived_;
    if (options_.corruptEcho != 0 && bytesReceived_ == options_.corruptEcho) {
        byte ^= 0x01;
        log_.Note("byte " + std::to_string(bytesReceived_) + " changed on the line");
    }
    log_.ClientByte(byte, line_);
    if (options_.loseByte != 0 && bytesReceived_ == options_.loseByte) {
        log_.Note("byte " + std::to_string(bytesReceived_) + " lost on the line");
        return;
    }
    if (!options_.noEcho) {
        // Bytes that came together cross the wire one after another.
        lineFreeAt_ = options_.byteTiming ? std::max(received, lineFreeAt_) : SimClock::now();
        // The device takes the byte before its echo leaves, so that whoever sees the echo
        // finds the byte's effects (a completed frame, a committed write) already recorded.
        std::vector<std::uint8_t> answer = device_.OnByte(byte, line_, lineFreeAt_);
        // The echo comes back once the byte has crossed the wire.
        Transmit(byte, true);
        if (!answer.empty() && options_.responseDelayMs > 0) {
            lineFreeAt_ =
                std::max(lineFreeAt_, SimClock::now()) + std::chrono::milliseconds(options_.responseDelayMs);
            WaitUntil(lineFreeAt_);
        }
        const bool cut = !answer.empty() && ++answersSent_ == options_.unplugInAnswer;
        if (cut)
            answer.resize(std::min<std::size_t>(answer.size(), 2));
        for (std::uint8_t out : answer)
            Transmit(out, false);
        if (cut) {
            Unplug();
            return;
        }
    }
    if (options_.unplugAfterBytes != 0 && bytesReceived_ == options_.unplugAfterBytes)
        Unplug();
}

void Simulator::Transmit(std::uint8_t byte, bool echo)
{
    SimClock::time_point offWire = SimClock::now();
    if (options_.byteTiming) {
        lineFreeAt_ += std::chrono::duration_cast<SimClock::duration>(
            std::chrono::duration<double, std::micro>(line_.CharacterMicros()));
        const SimClock::duration late = WaitUntil(lineFreeAt_);
        if (!usb_)
            timing_.Record(late);
        offWire = lineFreeAt_;
    }
    if (usb_) {
        usb_->Add(byte, offWire);
        ReleaseDue();
    } else if (write(terminal_.MasterFd(), &byte, 1) != 1) {
        return;
    }
    if (echo) {
        log_.EchoByte(byte);
    } else {
        log_.AnswerByte(byte);
    }
}

SimClock::duration Simulator::WaitUntil(SimClock::time_point target)
{
    for (;;) {
        ReleaseDue();
        const SimClock::time_point release = usb_ ? usb_->NextRelease() : SimClock::time_point::max();
        if (release >= target)
            return waiter_.WaitUntil(target);
        waiter_.WaitUntil(release);
    }
}

void Simulator::ReleaseDue()
{
    if (usb_)
        Deliver(usb_->TakeDue(SimClock::now()));
}

void Simulator::Deliver(const std::vector<UsbRelease>& releases)
{
    for (const UsbRelease& release : releases) {
        timing_.Record(SimClock::now() - release.time);
        (void)!write(terminal_.MasterFd(), release.bytes.data(), release.bytes.size());
    }
}

void Simulator::Unplug()
{
    // What the chip held still goes out: the fault is the line going dead after it.
    if (usb_)
        Deliver(usb_->TakeAll(SimClock::now()));
    log_.Note("unplugged after " + std::to_string(bytesReceived_) + " bytes");
    // Told before the terminal goes: a client sees the hang-up at once and may ask right away.
    unplugged_ = true;
    terminal_.Close();
}

}  // namespace zaqsim
