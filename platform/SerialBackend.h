// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operating-system calls the serial port class is written against. Every call that returns
// false has set the thread's last error (GetLastError in ErrorCodes.h).
#include "platform/SerialTypes.h"
#include "platform/StopHandle.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace platform {

class SerialBackend {
public:
    virtual ~SerialBackend() = default;

    // Opens an existing port by name, exclusively; kNullHandle on failure (2: no such port,
    // 5: in use). With `overlapped`, reads, writes and event waits may complete later.
    virtual CommHandle CreateFile(const std::string& portName, bool overlapped) = 0;
    // Cancels what is pending on the port and closes it.
    virtual bool CloseHandle(CommHandle port) = 0;
    virtual bool SetupComm(CommHandle port, std::uint32_t inQueueSize, std::uint32_t outQueueSize) = 0;
    // The system's default configuration of a named port; `size` is in and out.
    virtual bool GetDefaultCommConfig(const std::string& portName, CommConfig& config,
                                      std::uint32_t& size) = 0;
    virtual bool SetCommConfig(CommHandle port, const CommConfig& config, std::uint32_t size) = 0;
    virtual bool GetCommState(CommHandle port, Dcb& dcb) = 0;
    virtual bool SetCommState(CommHandle port, const Dcb& dcb) = 0;
    virtual bool GetCommTimeouts(CommHandle port, CommTimeouts& timeouts) = 0;
    virtual bool SetCommTimeouts(CommHandle port, const CommTimeouts& timeouts) = 0;
    // Selects the events WaitCommEvent waits for; a pending wait completes with no events.
    virtual bool SetCommMask(CommHandle port, std::uint32_t mask) = 0;
    // With an overlapped record these may fail with kErrorIoPending: the operation goes on and
    // completes through the record. Without one they block until done.
    virtual bool WaitCommEvent(CommHandle port, std::uint32_t* events, Overlapped* overlapped) = 0;
    virtual bool ReadFile(CommHandle port, void* buffer, std::uint32_t length, std::uint32_t& count,
                          Overlapped* overlapped) = 0;
    virtual bool WriteFile(CommHandle port, const void* data, std::uint32_t length, std::uint32_t& count,
                           Overlapped* overlapped) = 0;
    // The count of a completed operation; with `wait` false, kErrorIoIncomplete while pending.
    virtual bool GetOverlappedResult(CommHandle port, Overlapped& overlapped, std::uint32_t& count,
                                     bool wait) = 0;
    // Cancels the operations the calling thread issued on the port; when this returns, the
    // backend no longer touches their records or buffers.
    virtual bool CancelIo(CommHandle port) = 0;
    // Blocks until received bytes wait to be read, the line hangs up (kErrorIoDevice), `stop`
    // is raised (kErrorOperationAborted; kNoStopHandle for none) or `until` passes (kErrorTimeout).
    // Returns 0 when bytes wait. Unlike the calls above it returns its code rather than setting
    // the last error.
    virtual std::uint32_t WaitForInput(CommHandle port, std::chrono::steady_clock::time_point until,
                                       StopHandle stop) = 0;
    // Whether the driver passes received bytes on without delay (the port asks for that when
    // first used). A backend without such an option fails with kErrorInvalidFunction.
    virtual bool GetLowLatency(CommHandle port, bool& on);
};

// The backend of the running system (the POSIX or the Win32 one), shared by the whole process.
SerialBackend& DefaultSerialBackend();

}  // namespace platform
