// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The K-line adapter and the ZAQ device behind it, served on a pseudo-terminal by a thread.

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "tools/zaq-sim/DeviceModel.h"
#include "tools/zaq-sim/EepromImage.h"
#include "tools/zaq-sim/PreciseWait.h"
#include "tools/zaq-sim/PseudoTerminal.h"
#include "tools/zaq-sim/SimOptions.h"
#include "tools/zaq-sim/UsbLatencyBuffer.h"
#include "tools/zaq-sim/WireLog.h"

namespace zaqsim {

class Simulator {
public:
    explicit Simulator(SimOptions options);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Loads the EEPROM, creates the terminal, registers the link if asked, starts serving.
    bool Start(std::string& error);
    void Stop();
    // After an unplug: a new terminal, registered under the same link name.
    bool Replug(std::string& error);

    std::string SlavePath() const;
    bool Unplugged() const { return unplugged_; }
    WireLog& Log() { return log_; }
    EepromImage& Eeprom() { return eeprom_; }
    // How late timed output (a byte off the wire, a USB release) left against its due time.
    TimingErrors& Timing() { return timing_; }

private:
    bool OpenTerminal(std::string& error);
    void ServeReplugRequest();
    void Serve();
    // Waits for the client's bytes until the next USB release is due, and serves what came.
    void ServeInput();
    void RefreshLineSettings();
    void HandleByte(std::uint8_t byte, SimClock::time_point received);
    // Puts a byte on the line towards the host after the one before it.
    void Transmit(std::uint8_t byte, bool echo);
    // Waits until `target`, releasing what the USB chip lets go meanwhile.
    // Returns how late it ended.
    SimClock::duration WaitUntil(SimClock::time_point target);
    void ReleaseDue();
    void Deliver(const std::vector<UsbRelease>& releases);
    void Unplug();

    SimOptions options_;
    EepromImage eeprom_;
    WireLog log_;
    DeviceModel device_;
    PseudoTerminal terminal_;  // touched only by the serving thread once it runs
    std::string linkedPath_;
    bool createdMapFolder_ = false;  // the port-map folder is ours to remove when we stop
    mutable std::mutex mutex_;       // guards what other threads ask for: the path and a replug
    std::condition_variable replugDone_;
    std::string slavePath_;
    bool replugRequested_ = false;
    bool replugOk_ = false;
    std::string replugError_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> unplugged_{false};
    std::uint64_t bytesReceived_ = 0;
    std::uint32_t answersSent_ = 0;
    // The serving thread's view of the line: its settings as last read, whether a change of
    // them is reported (so they need not be read for every byte), when it is next free.
    LineSettings line_;
    bool settingChangesReported_ = false;
    SimClock::time_point lineFreeAt_{};
    std::optional<UsbLatencyBuffer> usb_;
    PreciseWaiter waiter_;
    TimingErrors timing_;
};

}  // namespace zaqsim
