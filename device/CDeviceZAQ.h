// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ZAQ device engine: runs each request (read ID, read or write an EEPROM range) as one
// K-line connection on its worker thread and reports every step as a posted notification.

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "device/BackupSink.h"
#include "device/CAutoEventEx.h"
#include "device/CDeadline.h"
#include "device/CSerialPort.h"
#include "device/CThreadEx.h"
#include "device/DeviceProfile.h"
#include "device/DeviceTrace.h"
#include "device/DeviceZaqTypes.h"
#include "device/ZaqProtocol.h"
#include "platform/OpenFailure.h"
#include "platform/StopSignal.h"

namespace device {

// Number of the registered message "CDeviceZAQ_Message" that carries the notifications:
// wParam = code << 16 | (value & 0xFFFF), lParam = 0.
extern const std::uint32_t g_deviceZaqMessage;

class CDeviceZAQ : public CThreadEx, public CSerialPort {
public:
    CDeviceZAQ();
    ~CDeviceZAQ() override;

    // Requests, called on the user-interface thread; none of them blocks. A request made while a
    // connection runs is served after it, with the fields as they are then.
    bool StartReadId(bool lastOperation);
    // data must hold the whole range at the indexes of its addresses and stay in place until
    // NotifyFinished. false, and nothing posted, when start lies beyond the profile's EEPROM.
    bool StartRead(std::uint8_t* data, std::uint32_t start, std::uint32_t count, bool lastOperation);
    bool StartWrite(std::uint8_t* data, std::uint32_t start, std::uint32_t count, bool lastOperation);
    // Reads the range into readBack and compares it with data, which stays as it is.
    bool StartCompare(std::uint8_t* data, std::uint32_t start, std::uint32_t count, bool lastOperation);

    // Asks the running connection to stop; callable from any thread and from a signal handler.
    // The frame under way, and all four steps of a byte's write, are finished first; then the
    // connection is closed with its stop frame and trailer and the pass ends with
    // ResultStopped. Each new request clears it, so it only ever stops a request made before it;
    // one not yet under way ends before the device is woken, one during the wake-up at once.
    void RequestStop()
    {
        stopAsked_.store(true);
        stopWake_.Raise();
    }

    // True when portName could be opened now; does not touch the engine's own port.
    bool IsPortFree(const std::string& portName) const;

    CAutoEventEx requestEvent;
    std::string portName = "COM1";  // set by the caller before each request
    std::string idText;             // set by the worker before NotifyIdReady
    DeviceIdBytes idBytes{};        // with idText: all the ID bytes, which the text shows in part
    std::uint16_t eepromSize = kZaqProfile.eepromBytes;
    std::uint8_t request[zaq::kFrameBufferBytes] = {0, zaq::kTargetAddress, zaq::kSourceAddress};
    std::uint8_t answer[zaq::kFrameBufferBytes] = {};
    std::uint8_t* data = nullptr;
    std::uint32_t start = 0;
    std::uint32_t count = 0;
    DeviceOperation operation = OpReadId;
    std::uint32_t pulseMs = 25;
    std::uint32_t idleAfterPulse1Ms = 590;
    std::uint32_t idleAfterPulse2Ms = 230;
    std::uint32_t pauseAfterAnswerMs = 1;
    std::uint32_t answerTimeoutMs = 10000;  // per answer byte; set by the caller before each request
    std::uint8_t lastOperation = 0;
    // The reason code of the negative answer that ended the last pass with ResultRefused; set
    // before that NotifyFinished, 0 otherwise.
    std::uint8_t refusalCode = 0;
    // The system error code of the open that ended the last request with ResultPortError; set
    // before that NotifyFinished, 0 otherwise.
    std::uint32_t openError = 0;
    // The errno behind openError, which the code alone cannot tell (EACCES and EBUSY share one).
    int openErrno = 0;
    // Receives the trace of every connection when set (before a request, like portName); must
    // outlive the requests. Unset, tracing costs a pointer test per event.
    TraceSink* traceSink = nullptr;
    // The words the trace gives a port that did not open, remedy included: the front end's, which
    // has the texts. Unset, the trace names the port alone.
    std::string (*describeOpenFailure)(const platform::OpenFailure& failure) = nullptr;
    // How and where the last connection ended, the facts of its trace's last line; set before its
    // NotifyFinished, with or without traceSink.
    TraceEnd lastEnd;

    // Write options, set by the caller before StartWrite like answerTimeoutMs. Verify reads the
    // bytes written back in the same connection, before its stop frame; changed-only first reads
    // the range and writes only the addresses whose byte differs from data.
    bool verifyAfterWrite = false;
    bool writeChangedOnly = false;
    // Sending, set by the caller before a request like answerTimeoutMs. Whole frames: each request
    // frame, and the trailer, is written at once (its bytes frameByteGapMs apart, at most
    // zaq::kMaxByteGapMs), then all its echoes are read and each is compared, with the results
    // byte-by-byte sending gives. The wake-up pulses go one at a time either way.
    bool sendWholeFrames = false;
    std::uint32_t frameByteGapMs = 0;
    // Asked by each write once the device has named itself; unset, no write backs up. Must
    // outlive the requests, like traceSink.
    BackupSink* backupSink = nullptr;
    // What the last range request did, per address (ByteStateFlag); a difference found by a
    // compare or a verify leaves the result 0, the caller reads it here. readBack holds the
    // device's bytes where byteState has ByteRead. Cleared when a connection begins.
    std::uint8_t byteState[kZaqProfile.eepromBytes] = {};
    std::uint8_t readBack[kZaqProfile.eepromBytes] = {};

protected:
    std::uint32_t Run() override;

    // Protocol steps; each returns 0 or the DeviceResult that ends the connection.
    std::uint16_t ReceiveByte(std::uint8_t& destination, std::uint32_t timeoutMs);
    std::uint16_t SendByte(std::uint8_t value);
    // The bytes of one frame with their echoes, as sendWholeFrames says; tracePlace_.sentByte
    // names the byte whose echo failed.
    std::uint16_t SendFrame(const std::uint8_t* bytes, std::size_t length);
    // The wait between two bytes of a whole frame sent apart.
    virtual void PauseBetweenBytes(std::uint32_t milliseconds);
    // Sends the request frame and receives its answer; a positive answer with fewer than
    // `neededData` data bytes (or none) ends the connection with ResultShortAnswer, one that is
    // not this request's (zaq::AnswersRequest) with ResultUnexpectedAnswer.
    std::uint16_t Transact(std::size_t neededData = 0);

private:
    bool StartRange(DeviceOperation kind, std::uint8_t* buffer, std::uint32_t first, std::uint32_t length,
                    bool last);
    // Drops what an earlier connection left in the receive queue.
    void DiscardInput();
    std::uint16_t OpenConnection();
    std::uint16_t Identify();
    std::uint16_t ReadRange();
    // The plain, the verified and the changed-only write.
    std::uint16_t WriteRange();
    std::uint16_t CloseConnection();
    // Sleeps until the deadline passes; false when a stop was asked for meanwhile.
    bool WaitQuiet(CDeadline& deadline);
    void Notify(std::uint16_t code, std::uint32_t value);

    // One trace line, printf-style, prefixed with the milliseconds since the connection began.
    void Trace(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void TraceLineFormat(std::uint32_t baud, const char* parity);
    // The first `count` bytes of `answer`.
    void TraceAnswer(const char* label, std::size_t byteCount);
    // The request about to be served, for the trace's header line.
    TraceBegin DescribeRequest() const;
    // Keeps how the connection ended in lastEnd, then traces its line and the sink's end event;
    // woken when the device answered the start frame.
    void TraceResult(std::uint16_t result, bool woken);
    // How this connection sends, and the latency timer of a USB serial chip behind the port.
    void TraceLink();
    // One whole frame: the bytes sent, the first `echoed` echoes, how it ended.
    void TraceFrame(const std::uint8_t* bytes, std::size_t length, const std::uint8_t* echoes,
                    std::size_t echoed, const char* outcome);
    std::uint16_t SendWholeFrame(const std::uint8_t* bytes, std::size_t length);
    // frameByteGapMs as sending uses it, and as the trace tells it: never above zaq::kMaxByteGapMs.
    std::uint32_t ByteGapMs() const { return std::min(frameByteGapMs, zaq::kMaxByteGapMs); }

    platform::StopSignal stopSignal_;
    std::uint64_t traceStartMs_ = 0;
    TracePlace tracePlace_;  // raised with the thread's stop request
    std::optional<std::uint32_t> traceLastByteDone_;
    std::uint32_t tracePortError_ = 0;
    std::uint32_t traceEchoes_ = 0;
    std::uint16_t ReadByte(std::uint32_t address, std::uint8_t& value);
    std::uint16_t WriteByte(std::uint32_t address);
    std::uint16_t CompareRange();
    // Runs transferByte on the addresses of the range whose byteState has all of `need` (every
    // address when need is 0), chosen before the first one is done, and announces each byte
    // done. Without a pass (a plain read or write) the pass is not announced and its bytes done
    // carry 0.
    std::uint16_t RunPass(std::optional<DevicePass> pass, std::uint8_t need,
                          const std::function<std::uint16_t(std::uint32_t)>& transferByte);
    // The same over [first, first + length) instead of the request's range.
    std::uint16_t RunPassOver(std::uint32_t first, std::uint32_t length, std::optional<DevicePass> pass,
                              std::uint8_t need,
                              const std::function<std::uint16_t(std::uint32_t)>& transferByte);
    // Reads the whole EEPROM and hands it to backupSink. With changedOnly the bytes of the range
    // go into readBack and byteState as a compare pass would put them.
    std::uint16_t BackUpEeprom(bool changedOnly);
    // Reads the address into readBack and notes whether it differs from data.
    std::uint16_t ReadBackByte(std::uint32_t address);
    std::uint16_t TransferForOperation();
    bool StopAsked() const { return stopAsked_.load(); }

    static_assert(std::atomic<bool>::is_always_lock_free, "RequestStop must be safe in a signal handler");
    std::atomic<bool> stopAsked_{false};
    platform::StopSignal stopWake_;  // raised with stopAsked_: ends the wake-up's quiet times
};

}  // namespace device
