// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The K-line adapter and the ZAQ device behind it, served on a pseudo-terminal by a thread.

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "tools/zaq-sim/DeviceModel.h"
#include "tools/zaq-sim/EepromImage.h"
#include "tools/zaq-sim/PseudoTerminal.h"
#include "tools/zaq-sim/SimOptions.h"
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

private:
    bool OpenTerminal(std::string& error);
    void ServeReplugRequest();
    void Serve();
    void HandleByte(std::uint8_t byte);
    void Transmit(std::uint8_t byte, double characterMicros, bool echo);
    void Unplug();

    SimOptions options_;
    EepromImage eeprom_;
    WireLog log_;
    DeviceModel device_;
    PseudoTerminal terminal_;  // touched only by the serving thread once it runs
    std::string linkedPath_;
    mutable std::mutex mutex_;  // guards what other threads ask for: the path and a replug
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
    SimClock::time_point lineFreeAt_{};
};

}  // namespace zaqsim
