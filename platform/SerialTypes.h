// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records and codes of the serial backend, laid out after the calls the serial port class makes.
#include <atomic>
#include <cstdint>

namespace platform {

class Event;

using CommHandle = std::uintptr_t;
inline constexpr CommHandle kNullHandle = 0;
inline constexpr std::uint32_t kMaxDword = 0xFFFFFFFF;

// Line-format codes.
inline constexpr std::uint8_t kNoParity = 0;
inline constexpr std::uint8_t kOddParity = 1;
inline constexpr std::uint8_t kEvenParity = 2;
inline constexpr std::uint8_t kMarkParity = 3;
inline constexpr std::uint8_t kSpaceParity = 4;
inline constexpr std::uint8_t kOneStopBit = 0;
inline constexpr std::uint8_t kOne5StopBits = 1;
inline constexpr std::uint8_t kTwoStopBits = 2;

// DTR and RTS control modes.
inline constexpr std::uint8_t kDtrControlDisable = 0;
inline constexpr std::uint8_t kDtrControlEnable = 1;
inline constexpr std::uint8_t kDtrControlHandshake = 2;
inline constexpr std::uint8_t kRtsControlDisable = 0;
inline constexpr std::uint8_t kRtsControlEnable = 1;
inline constexpr std::uint8_t kRtsControlHandshake = 2;
inline constexpr std::uint8_t kRtsControlToggle = 3;

// Comm events.
inline constexpr std::uint32_t kEvRxChar = 0x0001;
inline constexpr std::uint32_t kEvRxFlag = 0x0002;
inline constexpr std::uint32_t kEvTxEmpty = 0x0004;
inline constexpr std::uint32_t kEvCts = 0x0008;
inline constexpr std::uint32_t kEvDsr = 0x0010;
inline constexpr std::uint32_t kEvRlsd = 0x0020;
inline constexpr std::uint32_t kEvBreak = 0x0040;
inline constexpr std::uint32_t kEvErr = 0x0080;
inline constexpr std::uint32_t kEvRing = 0x0100;

inline constexpr std::uint32_t kDcbLength = 28;
inline constexpr std::uint32_t kCommConfigSize = 52;

// The line state record.
struct Dcb {
    std::uint32_t length = 0;
    std::uint32_t baudRate = 0;
    bool binary = false;
    bool parityCheck = false;
    bool outxCtsFlow = false;
    bool outxDsrFlow = false;
    std::uint8_t dtrControl = 0;
    bool dsrSensitivity = false;
    bool txContinueOnXoff = false;
    bool outX = false;
    bool inX = false;
    bool errorCharEnabled = false;
    bool nullStrip = false;
    std::uint8_t rtsControl = 0;
    bool abortOnError = false;
    std::uint16_t xonLim = 0;
    std::uint16_t xoffLim = 0;
    std::uint8_t byteSize = 0;
    std::uint8_t parity = 0;
    std::uint8_t stopBits = 0;
    char xonChar = 0;
    char xoffChar = 0;
    char errorChar = 0;
    char eofChar = 0;
    char evtChar = 0;

    bool operator==(const Dcb&) const = default;
};

struct CommTimeouts {
    std::uint32_t readIntervalTimeout = 0;
    std::uint32_t readTotalTimeoutMultiplier = 0;
    std::uint32_t readTotalTimeoutConstant = 0;
    std::uint32_t writeTotalTimeoutMultiplier = 0;
    std::uint32_t writeTotalTimeoutConstant = 0;

    bool operator==(const CommTimeouts&) const = default;
};

// A port's configuration record; `size` is kCommConfigSize.
struct CommConfig {
    std::uint32_t size = 0;
    std::uint16_t version = 0;
    Dcb dcb;
    std::uint32_t providerSubType = 0;
    std::uint32_t providerOffset = 0;
    std::uint32_t providerSize = 0;
};

// The record of one overlapped operation. The backend resets `event` when the operation starts
// and signals it when it completes; `status` and `transferred` hold the outcome by then.
// The record (and the operation's buffer) must outlive the operation or its cancellation; wait
// on `event` (a manual-reset one) or ask GetOverlappedResult before letting them go.
struct Overlapped {
    Event* event = nullptr;
    std::atomic<std::uint32_t> status{0};
    std::atomic<std::uint32_t> transferred{0};
};

}  // namespace platform
