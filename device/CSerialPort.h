// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Event.h"
#include "platform/SerialBackend.h"
#include "platform/SerialTypes.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace device {

// One serial port. Every operation returns an error code (0 success) and keeps it in
// lastError: 6 port not open, 1247 already open, 1460 wait timed out (I/O cancelled),
// 1 overlapped record or finite time-out on a port opened without overlapped I/O,
// 0x80070057 kind or mode out of range, otherwise the backend's code. Not thread-safe.
class CSerialPort {
public:
    static constexpr std::uint32_t kInfinite = platform::kInfinite;
    static constexpr std::uint32_t kOpenEventMask = 0xC1;  // EV_RXCHAR | EV_BREAK | EV_ERR

    CSerialPort();
    // A port on another backend (tests use a scripted one); `portBackend` must outlive the port.
    explicit CSerialPort(platform::SerialBackend& portBackend);
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens exclusively with a non-blocking read mode, mask 0xC1 and the default configuration.
    // A failure after the port was opened closes it again.
    virtual std::uint32_t Open(const std::string& portName, std::uint32_t inQueueSize,
                               std::uint32_t outQueueSize, bool overlapped);
    virtual std::uint32_t Close();
    virtual std::uint32_t SetLineFormat(std::uint32_t baudRate, std::uint8_t byteSize, std::uint8_t parity,
                                        std::uint8_t stopBits);
    virtual std::uint32_t SetEventChar(std::uint8_t eventChar, bool adjustMask);
    virtual std::uint32_t SetEventMask(std::uint32_t mask);
    virtual std::uint32_t WaitLineEvent(platform::Overlapped* overlapped, std::uint32_t timeoutMs);
    virtual std::uint32_t SetHandshake(std::uint32_t kind);
    virtual std::uint32_t SetReadMode(std::uint32_t mode);
    virtual std::uint32_t GetBaudRate();
    virtual std::int32_t GetByteSize();
    virtual std::int32_t GetParity();
    virtual std::int32_t GetStopBits();
    virtual std::int32_t GetHandshake();
    virtual std::uint32_t GetEventMask();
    virtual std::uint8_t GetEventChar();
    virtual std::uint32_t WriteString(const char* text, std::uint32_t* bytesWritten,
                                      platform::Overlapped* overlapped, std::uint32_t timeoutMs);
    virtual std::uint32_t Write(const void* data, std::uint32_t length, std::uint32_t* bytesWritten,
                                platform::Overlapped* overlapped, std::uint32_t timeoutMs);
    virtual std::uint32_t Read(void* buffer, std::uint32_t length, std::uint32_t* bytesRead,
                               platform::Overlapped* overlapped, std::uint32_t timeoutMs);

    // Blocks until received bytes wait, the line hangs up (1117), `stopFd` is raised
    // (995) or `until` passes (1460): 0 when bytes wait. The code is kept in lastError.
    virtual std::uint32_t WaitForInput(std::chrono::steady_clock::time_point until,
                                       platform::StopHandle stopFd);

    // True with lastError 0 when open; false with lastError 6 otherwise.
    bool IsOpen();
    // The line state record of the open port: 0, or the backend's code (also kept).
    std::uint32_t QueryState(platform::Dcb& dcb);

    // 0: the port can be opened now; 1: no such port; 2: in use; -1: any other failure.
    static int ProbePort(const std::string& portName);
    static int ProbePort(const std::string& portName, platform::SerialBackend& backend);

    std::uint32_t GetLastErrorCode() const { return lastError; }
    std::uint32_t GetFiredEvents() const { return firedEvents; }
    bool IsOverlapped() const { return ioEvent != nullptr; }

protected:
    std::uint32_t lastError;
    platform::CommHandle portHandle;
    std::uint32_t firedEvents;
    std::uint32_t eventMask;
    std::unique_ptr<platform::Event> ioEvent;  // set exactly while open for overlapped I/O

private:
    // Issues one read, write or event wait on `record` (null on a port without overlapped
    // I/O); true when done at once, else false with the backend's last error set.
    using IoCall = std::function<bool(std::uint32_t& count, platform::Overlapped* record)>;
    std::uint32_t RunIo(const IoCall& issue, std::uint32_t& count, platform::Overlapped* callerRecord,
                        std::uint32_t timeoutMs, bool collectCount);
    // The record of the open port; nothing when closed or unreadable (lastError says why).
    std::optional<platform::Dcb> CurrentState();
    // Writes a changed record back; a failure is kept and returned.
    std::uint32_t StoreState(const platform::Dcb& dcb);

    platform::SerialBackend* backend;
};

}  // namespace device
