// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The K-line frame rules of the ZAQ adapter protocol that need no port.

#include <cstddef>
#include <cstdint>
#include <string>

#include "device/DeviceProfile.h"
#include "device/DeviceZaqTypes.h"

namespace device::zaq {

inline constexpr std::uint8_t kTargetAddress = 0x21;
inline constexpr std::uint8_t kSourceAddress = 0xF3;
inline constexpr std::uint32_t kFrameBaud = 10472;
inline constexpr std::uint32_t kEchoTimeoutMs = 1000;
// The most time whole-frame sending leaves between two bytes of a frame.
inline constexpr std::uint32_t kMaxByteGapMs = 20;
// Room for the longest frame, request or answer (132 bytes), and for the trailer.
inline constexpr std::size_t kFrameBufferBytes = 256;
// A long-form answer starts with exactly this format byte and carries its length in byte 3.
inline constexpr std::uint8_t kLongAnswerFormat = 0x80;
inline constexpr std::size_t kLongAnswerHeader = 4;
// A negative answer: this first data byte, the refused service, then the reason code.
inline constexpr std::uint8_t kNegativeAnswer = 0x7F;
inline constexpr std::size_t kRefusalReasonData = 2;
// A request's first data byte, its service byte, follows the format byte and the addresses.
inline constexpr std::size_t kRequestDataIndex = 3;
// A positive answer's service byte is the request's plus this.
inline constexpr std::uint8_t kPositiveAnswerOffset = 0x40;
inline constexpr std::uint8_t kReadService = 0x23;
// Data positions (counted from the first data byte) of what the program takes from answers; a
// read's request and its answer both carry the address at kReadAddressData.
inline constexpr std::size_t kReadAddressData = 3;
inline constexpr std::size_t kReadValueData = 4;
inline constexpr std::size_t kIdTextLength = 27;

// Eight-bit additive checksum of the bytes before it.
std::uint8_t FrameChecksum(const std::uint8_t* bytes, std::size_t length);

// Number of request bytes sent before the checksum.
std::size_t RequestLength(std::uint8_t formatByte);

inline bool IsLongAnswer(std::uint8_t formatByte)
{
    return formatByte == kLongAnswerFormat;
}

// Index of an answer's checksum byte: the number of bytes before it. lengthByte (byte 3) is
// looked at only for the long form.
std::size_t AnswerChecksumIndex(std::uint8_t formatByte, std::uint8_t lengthByte);

// Index of an answer's first data byte: the short form's data follow the addresses, the long
// form's the length byte.
inline std::size_t AnswerDataIndex(std::uint8_t formatByte)
{
    return IsLongAnswer(formatByte) ? kLongAnswerHeader : 3;
}

// Whether a positive answer belongs to the request it came after: its service byte is the
// request's + 0x40, and a read's answer names the address asked for. Both point at their first
// data byte; the answer holds at least the data its request needs.
bool AnswersRequest(const std::uint8_t* requestData, const std::uint8_t* answerData);

// The ID text built from an identification answer (the profile's ID bytes are read).
std::string FormatIdText(const std::uint8_t* answer);
// Every ID byte of an identification answer, in the order they travel.
DeviceIdBytes IdBytes(const std::uint8_t* answer);

// Clips a request's range to the profile's EEPROM, whatever size the engine's eepromSize field
// reports; false when start is outside it.
bool ClipRange(std::uint32_t start, std::uint32_t& count);

// wParam of a notification: code in the high word, value in the low word.
inline std::uint32_t PackNotification(std::uint16_t code, std::uint32_t value)
{
    return (std::uint32_t(code) << 16) | (value & 0xFFFFu);
}
inline std::uint16_t NotificationCode(std::uint32_t wParam)
{
    return std::uint16_t(wParam >> 16);
}
inline std::uint16_t NotificationValue(std::uint32_t wParam)
{
    return std::uint16_t(wParam & 0xFFFFu);
}
inline DeviceNotification DecodeNotification(std::uint32_t wParam)
{
    return {DeviceNotify(NotificationCode(wParam)), NotificationValue(wParam)};
}

}  // namespace device::zaq
