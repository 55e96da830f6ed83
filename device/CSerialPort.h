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
    static constexpr uint32_t kInfinite = platform::kInfinite;
    static constexpr uint32_t kOpenEventMask = 0xC1;  // EV_RXCHAR | EV_BREAK | EV_ERR

    CSerialPort();
    // A port on another backend (tests use a scripted one); `backend` must outlive the port.
    explicit CSerialPort(platform::SerialBackend& backend);
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens exclusively with a non-blocking read mode, mask 0xC1 and the default configuration.
    // A failure after the port was opened closes it again.
    virtual uint32_t Open(const std::string& portName, uint32_t inQueueSize, uint32_t outQueueSize,
                          bool overlapped);
    virtual uint32_t Close();
    virtual uint32_t SetLineFormat(uint32_t baudRate, uint8_t byteSize, uint8_t parity, uint8_t stopBits);
    virtual uint32_t SetEventChar(uint8_t eventChar, bool adjustMask);
    virtual uint32_t SetEventMask(uint32_t mask);
    virtual uint32_t WaitLineEvent(platform::Overlapped* overlapped, uint32_t timeoutMs);
    virtual uint32_t SetHandshake(uint32_t kind);
    virtual uint32_t SetReadMode(uint32_t mode);
    virtual uint32_t GetBaudRate();
    virtual int32_t GetByteSize();
    virtual int32_t GetParity();
    virtual int32_t GetStopBits();
    virtual int32_t GetHandshake();
    virtual uint32_t GetEventMask();
    virtual uint8_t GetEventChar();
    virtual uint32_t WriteString(const char* text, uint32_t* bytesWritten, platform::Overlapped* overlapped,
                                 uint32_t timeoutMs);
    virtual uint32_t Write(const void* data, uint32_t length, uint32_t* bytesWritten,
                           platform::Overlapped* overlapped, uint32_t timeoutMs);
    virtual uint32_t Read(void* buffer, uint32_t length, uint32_t* bytesRead,
                          platform::Overlapped* overlapped, uint32_t timeoutMs);

    // Blocks until received bytes wait, the line hangs up (1117), `stopFd` becomes readable
    // (995) or `until` passes (1460): 0 when bytes wait. The code is kept in lastError.
    virtual uint32_t WaitForInput(std::chrono::steady_clock::time_point until, int stopFd);

    // True with lastError 0 when open; false with lastError 6 otherwise.
    bool IsOpen();
    // The line state record of the open port: 0, or the backend's code (also kept).
    uint32_t QueryState(platform::Dcb& dcb);

    // 0: the port can be opened now; 1: no such port; 2: in use; -1: any other failure.
    static int ProbePort(const std::string& portName);
    static int ProbePort(const std::string& portName, platform::SerialBackend& backend);

    uint32_t GetLastErrorCode() const { return lastError; }
    uint32_t GetFiredEvents() const { return firedEvents; }
    bool IsOverlapped() const { return ioEvent != nullptr; }

protected:
    uint32_t lastError;
    platform::CommHandle portHandle;
    uint32_t firedEvents;
    uint32_t eventMask;
    std::unique_ptr<platform::Event> ioEvent;  // set exactly while open for overlapped I/O

private:
    // Issues one read, write or event wait on `record` (null on a port without overlapped
    // I/O); true when done at once, else false with the backend's last error set.
    using IoCall = std::function<bool(uint32_t& count, platform::Overlapped* record)>;
    uint32_t RunIo(const IoCall& issue, uint32_t& count, platform::Overlapped* callerRecord,
                   uint32_t timeoutMs, bool collectCount);
    // The record of the open port; nothing when closed or unreadable (lastError says why).
    std::optional<platform::Dcb> CurrentState();
    // Writes a changed record back; a failure is kept and returned.
    uint32_t StoreState(const platform::Dcb& dcb);

    platform::SerialBackend* backend;
};

}  // namespace device
