#pragma once
// Operation kinds, result codes and notification codes of the device engine.

#include <cstdint>

namespace device {

enum DeviceOperation : std::uint32_t {
    OpReadId = 0,  // identification only
    OpRead = 1,    // identification, then read the range
    OpWrite = 2,   // identification, then write the range
};

enum DeviceResult : std::uint16_t {
    ResultOk = 0,
    ResultPortError = 1,      // the port could not be opened
    ResultAnswerTimeout = 2,  // an answer byte did not arrive in time
    ResultNoAdapter = 3,      // the echo of a sent byte did not arrive
    ResultChecksumError = 4,  // an answer's checksum was wrong
    ResultRefused = 5,        // the device answered with a negative answer (reason in refusalCode)
    ResultLineError = 6,      // an echo differed from the byte sent
};

enum DeviceNotify : std::uint16_t {
    NotifyOpened = 0,
    NotifyFinished = 1,  // value: DeviceResult
    NotifyIdReady = 2,
    NotifyRangeBegin = 3,  // value: count of the range (low 16 bits)
    NotifyByteDone = 4,
    NotifyRangeEnd = 5,
};

// One notification as its receiver handles it: the code and the low 16 bits of the value.
struct DeviceNotification {
    DeviceNotify code = NotifyOpened;
    std::uint16_t value = 0;

    friend bool operator==(const DeviceNotification&, const DeviceNotification&) = default;
};

}  // namespace device
