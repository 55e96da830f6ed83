// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Operation kinds, result codes and notification codes of the device engine.

#include <cstdint>

namespace device {

enum DeviceOperation : std::uint32_t {
    OpReadId = 0,  // identification only
    OpRead = 1,    // identification, then read the range
    OpWrite = 2,   // identification, then write the range
    // Identification, then read the range into the engine's readBack; the caller's data is
    // only compared with, never written.
    OpCompare = 3,
};

enum DeviceResult : std::uint16_t {
    ResultOk = 0,
    ResultPortError = 1,      // the port could not be opened
    ResultAnswerTimeout = 2,  // an answer byte did not arrive in time
    ResultNoAdapter = 3,      // the echo of a sent byte did not arrive
    ResultChecksumError = 4,  // an answer's checksum was wrong
    ResultRefused = 5,        // the device answered with a negative answer (reason in refusalCode)
    ResultLineError = 6,      // an echo differed from the byte sent
    // Stopped on request between two bytes; the connection was still closed with its stop frame
    // and trailer. A failure of that closing is reported instead.
    ResultStopped = 7,
    // 8 is left free: probex-cli exits with the result, and 8 is its "differences".
    ResultShortAnswer = 9,  // an answer had fewer data bytes than its request needs
    // A write's backup could not be stored; nothing was written, and the connection was closed
    // cleanly. Numbered apart from the results the device and the line give.
    ResultBackupFailed = 10,
    // A positive answer that is not this request's: another service byte than the request's
    // + 0x40, or a read's answer naming another address.
    ResultUnexpectedAnswer = 11,
};

enum DeviceNotify : std::uint16_t {
    NotifyOpened = 0,
    NotifyFinished = 1,  // value: DeviceResult
    NotifyIdReady = 2,
    NotifyRangeBegin = 3,  // value: count of the range (low 16 bits)
    NotifyByteDone = 4,
    NotifyRangeEnd = 5,
    NotifyPassBegin = 6,  // value: DevicePass
};

// A compare, a verified write and a changed-only write run more than one pass over the range
// (or none of the described ones), so their receivers need to tell the passes apart. Each of
// their passes is announced by NotifyPassBegin just before its NotifyRangeBegin, whose value is
// then the number of addresses that pass visits, and each NotifyByteDone of such a pass carries
// the address done (the addresses of a pass need not be consecutive). A plain read or write
// posts exactly the described sequence: no NotifyPassBegin, NotifyByteDone with 0.
//
//   compare:                PassCompare
//   write, verified:        PassWrite, PassVerify
//   write, changed only:    PassCompare (whole range), PassWrite (the differing addresses),
//                           PassVerify (the addresses written) when verifying
//
// A write that backs the device up first begins with PassBackup over the whole EEPROM and then
// announces all its passes, a plain write's PassWrite included; a changed-only write takes its
// comparison from the backup and runs no PassCompare.
enum DevicePass : std::uint16_t {
    PassCompare = 0,  // the device's bytes into readBack, compared with data
    PassWrite = 1,
    PassVerify = 2,  // the bytes written in this connection read back into readBack
    PassBackup = 3,  // the whole EEPROM read for the backup sink before anything is written
};

// Flags of CDeviceZAQ::byteState, one entry per address, for the last range request. Set by the
// worker before the NotifyByteDone that announces the address, final at NotifyFinished.
enum ByteStateFlag : std::uint8_t {
    BytePlanned = 0x01,  // the write pass was to write this address
    ByteWritten = 0x02,  // all four write steps were answered
    ByteRead = 0x04,     // readBack holds the device's byte, read after the last write to it
    ByteDiffers = 0x08,  // ... and it differs from data
    // The fourth write step went out but ByteWritten did not follow: the device may have taken
    // the byte or not.
    ByteWriteCut = 0x10,
};

// One notification as its receiver handles it: the code and the low 16 bits of the value.
struct DeviceNotification {
    DeviceNotify code = NotifyOpened;
    std::uint16_t value = 0;

    friend bool operator==(const DeviceNotification&, const DeviceNotification&) = default;
};

}  // namespace device
