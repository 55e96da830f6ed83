// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ZAQ device behind the adapter: wake-up check, request frames, answers, EEPROM writes.
// Pure logic: bytes and their arrival times in, answer frames out.

#include <cstdint>
#include <vector>

#include "tools/zaq-sim/EepromImage.h"
#include "tools/zaq-sim/LineSettings.h"
#include "tools/zaq-sim/SimOptions.h"
#include "tools/zaq-sim/WireLog.h"

namespace zaqsim {

inline constexpr std::uint32_t kFrameBaud = 10472;

class DeviceModel {
public:
    DeviceModel(const SimOptions& options, EepromImage& eeprom, WireLog& log);

    // One byte from the client with the line settings it came with; returns the answer frame
    // to send back, or nothing.
    std::vector<std::uint8_t> OnByte(std::uint8_t byte, const LineSettings& line, SimClock::time_point time);

private:
    enum class State {
        Asleep,
        AfterPulse1,
        AfterPulse2,
        Awake,
        Trailer
    };

    // A wake-up pulse: 0x00 at the pulse format, or with any line format, 0x00 where no frame
    // is under way (no frame starts with it).
    bool IsPulse(std::uint8_t byte, const LineSettings& line) const;
    bool IsFrameFormat(const LineSettings& line) const;
    void StartPulse(const LineSettings& line, SimClock::time_point time);
    void Reject(const std::string& why, std::uint8_t byte, const LineSettings& line,
                SimClock::time_point time);
    std::vector<std::uint8_t> Collect(std::uint8_t byte, const LineSettings& line, SimClock::time_point time);
    std::vector<std::uint8_t> Serve(const std::vector<std::uint8_t>& frame);
    std::vector<std::uint8_t> WriteStep(std::uint8_t step, std::uint8_t value);
    std::vector<std::uint8_t> Answer(std::uint8_t service, const std::vector<std::uint8_t>& tail);
    std::vector<std::uint8_t> Refusal(std::uint8_t service, std::uint8_t reason);
    std::vector<std::uint8_t> AnswerFrame(const std::vector<std::uint8_t>& data);

    const SimOptions& options_;
    EepromImage& eeprom_;
    WireLog& log_;
    State state_ = State::Asleep;
    SimClock::time_point pulseTime_{};
    SimClock::time_point frameTime_{};
    LineSettings frameLine_{};
    std::vector<std::uint8_t> frame_;
    bool connected_ = false;
    std::uint32_t framesSeen_ = 0;
    std::uint32_t answersSent_ = 0;
    // The write sequence: which step comes next, and what the earlier steps carried.
    int nextWriteStep_ = 0;
    std::uint8_t pendingValue_ = 0;
    std::uint8_t pendingAddress_ = 0;
};

}  // namespace zaqsim
