// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zaq-sim/DeviceModel.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace zaqsim {

namespace {

constexpr std::uint8_t kDeviceAddress = 0x21;
constexpr std::uint8_t kTesterAddress = 0xF3;
constexpr char kTrailerText[] = "TEST END";
constexpr std::size_t kTrailerLength = 9;

std::uint8_t Sum(const std::vector<std::uint8_t>& bytes, std::size_t length)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < length; ++i)
        sum += bytes[i];
    return std::uint8_t(sum);
}

long Millis(SimClock::duration d)
{
    return long(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

std::string Hex(std::uint8_t byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

}  // namespace

DeviceModel::DeviceModel(const SimOptions& options, EepromImage& eeprom, WireLog& log)
    : options_(options), eeprom_(eeprom), log_(log)
{}

bool DeviceModel::IsPulse(std::uint8_t byte, const LineSettings& line) const
{
    if (byte != 0x00)
        return false;
    return options_.anyLineFormat ? frame_.empty() : line.IsPulseFormat(kFrameBaud);
}

bool DeviceModel::IsFrameFormat(const LineSettings& line) const
{
    return options_.anyLineFormat || line.IsFrameFormat(kFrameBaud);
}

void DeviceModel::StartPulse(const LineSettings& line, SimClock::time_point time)
{
    state_ = State::AfterPulse1;
    pulseTime_ = time;
    connected_ = false;
    log_.Frame({FrameKind::Pulse, time, {0x00}, line});
}

void DeviceModel::Reject(const std::string& why, std::uint8_t byte, const LineSettings& line,
                         SimClock::time_point time)
{
    log_.Note(why + " (byte " + Hex(byte) + " at " + line.Text() + ")");
    // A pulse that ends one attempt may begin the next.
    const bool pulse = IsPulse(byte, line);
    state_ = State::Asleep;
    connected_ = false;
    frame_.clear();
    if (pulse)
        StartPulse(line, time);
}

std::vector<std::uint8_t> DeviceModel::OnByte(std::uint8_t byte, const LineSettings& line,
                                              SimClock::time_point time)
{
    const bool pulse = IsPulse(byte, line);
    switch (state_) {
    case State::Asleep:
        if (pulse) {
            StartPulse(line, time);
        } else {
            log_.Note("ignored while asleep: " + Hex(byte) + " at " + line.Text());
        }
        return {};
    case State::AfterPulse1: {
        const long gap = Millis(time - pulseTime_);
        if (!pulse) {
            Reject("wake-up broken: no second pulse", byte, line, time);
        } else if (gap < long(options_.minGap1Ms)) {
            Reject("wake-up broken: second pulse after " + std::to_string(gap) + " ms", byte, line, time);
        } else {
            state_ = State::AfterPulse2;
            pulseTime_ = time;
            log_.Frame({FrameKind::Pulse, time, {0x00}, line});
        }
        return {};
    }
    case State::AfterPulse2: {
        const long gap = Millis(time - pulseTime_);
        if (pulse || !IsFrameFormat(line)) {
            Reject("wake-up broken: first frame byte not at frame format", byte, line, time);
            return {};
        }
        if (gap < long(options_.minGap2Ms)) {
            Reject("wake-up broken: first frame " + std::to_string(gap) + " ms after the second pulse", byte,
                   line, time);
            return {};
        }
        log_.Note("awake");
        state_ = State::Awake;
        return Collect(byte, line, time);
    }
    case State::Awake:
    case State::Trailer:
        if (pulse || !IsFrameFormat(line)) {
            Reject(pulse ? "a new wake-up while awake" : "byte not at frame format", byte, line, time);
            return {};
        }
        return Collect(byte, line, time);
    }
    return {};
}

std::vector<std::uint8_t> DeviceModel::Collect(std::uint8_t byte, const LineSettings& line,
                                               SimClock::time_point time)
{
    if (frame_.empty()) {
        frameTime_ = time;
        frameLine_ = line;
    }
    frame_.push_back(byte);
    if (state_ == State::Trailer) {
        if (frame_.size() < kTrailerLength)
            return {};
        log_.Frame({FrameKind::Trailer, frameTime_, frame_, frameLine_});
        if (std::equal(frame_.begin(), frame_.begin() + 8, kTrailerText)) {
            log_.Note(std::string("trailer, last operation flag ") + Hex(frame_[8]));
        } else {
            log_.Note("trailer text wrong");
        }
        frame_.clear();
        state_ = State::Asleep;
        return {};
    }
    const std::size_t length = std::size_t(frame_[0] & 0x3F) + 3;
    if (frame_.size() < length + 1)
        return {};
    std::vector<std::uint8_t> frame;
    frame.swap(frame_);
    log_.Frame({FrameKind::Request, frameTime_, frame, frameLine_});
    ++framesSeen_;
    if (Sum(frame, length) != frame[length]) {
        log_.Note("request checksum wrong");
        return {};
    }
    if ((frame[0] & 0xC0) != 0x80 || frame[1] != kDeviceAddress || frame[2] != kTesterAddress) {
        log_.Note("request header not for this device");
        return {};
    }
    if (options_.silentFromFrame != 0 && framesSeen_ >= options_.silentFromFrame) {
        log_.Note("silent from frame " + std::to_string(options_.silentFromFrame));
        return {};
    }
    std::vector<std::uint8_t> answer;
    if (options_.refuseAnswer != 0 && answersSent_ + 1 == options_.refuseAnswer) {
        log_.Note("answer " + std::to_string(options_.refuseAnswer) + " refuses service " + Hex(frame[3]));
        nextWriteStep_ = 0;  // a refused step leaves the EEPROM as it was
        answer = Refusal(frame[3], kRefusalReason);
    } else {
        answer = Serve(frame);
    }
    if (answer.empty())
        return answer;
    ++answersSent_;
    if (answersSent_ == options_.shortAnswer) {
        answer = AnswerFrame({answer[options_.longAnswers ? 4 : 3]});
        log_.Note("answer " + std::to_string(answersSent_) + " cut to its service byte");
    }
    if (answersSent_ == options_.badChecksumAnswer) {
        answer.back() = std::uint8_t(answer.back() + 1);
        log_.Note("answer " + std::to_string(answersSent_) + " sent with a wrong checksum");
    }
    return answer;
}

std::vector<std::uint8_t> DeviceModel::Serve(const std::vector<std::uint8_t>& frame)
{
    const std::size_t dataLength = frame[0] & 0x3F;
    const std::uint8_t service = frame[3];
    auto data = [&](std::size_t i) { return i < dataLength ? frame[3 + i] : std::uint8_t(0); };
    if (service == 0x81) {
        connected_ = true;
        log_.Note("connection started");
        return Answer(0xC1, {0xEF, 0x8F});
    }
    if (!connected_) {
        log_.Note("request before the connection start ignored");
        return {};
    }
    switch (service) {
    case 0x3C: {
        const auto& id = options_.idBytes;
        return Answer(0x7C, std::vector<std::uint8_t>(id.begin(), id.end()));
    }
    case 0x23: {
        const std::uint8_t address = data(3);
        return Answer(0x63, {0x81, address, eeprom_.Get(address)});
    }
    case 0x3D:
        return WriteStep(data(3), data(4));
    case 0x82:
        log_.Note("connection stopped");
        connected_ = false;
        state_ = State::Trailer;
        return Answer(0xC2, {});
    default:
        log_.Note("service " + Hex(service) + " not supported");
        return Refusal(service, 0x11);
    }
}

std::vector<std::uint8_t> DeviceModel::WriteStep(std::uint8_t step, std::uint8_t value)
{
    // The byte is committed only by a complete sequence 63 V, 62 A, 61 00, 60 10.
    static constexpr std::uint8_t kSteps[] = {0x63, 0x62, 0x61, 0x60};
    if (step == kSteps[0]) {
        nextWriteStep_ = 1;
        pendingValue_ = value;
    } else if (nextWriteStep_ > 0 && step == kSteps[nextWriteStep_]) {
        if (nextWriteStep_ == 1)
            pendingAddress_ = value;
        if ((nextWriteStep_ == 2 && value != 0x00) || (nextWriteStep_ == 3 && value != 0x10)) {
            log_.Note("write step " + Hex(step) + " with unexpected value " + Hex(value));
            nextWriteStep_ = 0;
        } else if (++nextWriteStep_ == 4) {
            nextWriteStep_ = 0;
            if (options_.ignoreWrites) {
                log_.Note("EEPROM[" + Hex(pendingAddress_) + "] kept, " + Hex(pendingValue_) + " ignored");
            } else {
                eeprom_.Put(pendingAddress_, pendingValue_);
                log_.Note("EEPROM[" + Hex(pendingAddress_) + "] = " + Hex(pendingValue_));
            }
        }
    } else {
        log_.Note("write step " + Hex(step) + " out of sequence");
        nextWriteStep_ = 0;
    }
    return Answer(0x7D, {step, value});
}

std::vector<std::uint8_t> DeviceModel::Answer(std::uint8_t service, const std::vector<std::uint8_t>& tail)
{
    // The tail follows a 0x00 after the service byte, so in the short form it starts at index 5.
    std::vector<std::uint8_t> data{service, 0x00};
    data.insert(data.end(), tail.begin(), tail.end());
    return AnswerFrame(data);
}

std::vector<std::uint8_t> DeviceModel::Refusal(std::uint8_t service, std::uint8_t reason)
{
    return AnswerFrame({0x7F, service, reason});
}

std::vector<std::uint8_t> DeviceModel::AnswerFrame(const std::vector<std::uint8_t>& data)
{
    // Both header forms carry the same data bytes; the long one has a length byte before them.
    std::vector<std::uint8_t> answer;
    if (options_.longAnswers) {
        answer = {0x80, kTesterAddress, kDeviceAddress, std::uint8_t(data.size())};
    } else {
        answer = {std::uint8_t(0x80 | data.size()), kTesterAddress, kDeviceAddress};
    }
    answer.insert(answer.end(), data.begin(), data.end());
    answer.push_back(Sum(answer, answer.size()));
    return answer;
}

}  // namespace zaqsim
