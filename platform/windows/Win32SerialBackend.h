// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial backend on the Win32 communications calls: \\.\COMn opened with CreateFileW, the
// line state through GetCommState/SetCommState, time-outs through SetCommTimeouts, overlapped
// ReadFile/WriteFile/WaitCommEvent. Failures carry the system's own error codes.
#include "platform/SerialBackend.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

namespace platform {

class Win32Port;

class Win32SerialBackend : public SerialBackend {
public:
    Win32SerialBackend();
    ~Win32SerialBackend() override;

    CommHandle CreateFile(const std::string& portName, bool overlapped) override;
    bool CloseHandle(CommHandle port) override;
    bool SetupComm(CommHandle port, std::uint32_t inQueueSize, std::uint32_t outQueueSize) override;
    bool GetDefaultCommConfig(const std::string& portName, CommConfig& config, std::uint32_t& size) override;
    bool SetCommConfig(CommHandle port, const CommConfig& config, std::uint32_t size) override;
    bool GetCommState(CommHandle port, Dcb& dcb) override;
    bool SetCommState(CommHandle port, const Dcb& dcb) override;
    bool GetCommTimeouts(CommHandle port, CommTimeouts& timeouts) override;
    bool SetCommTimeouts(CommHandle port, const CommTimeouts& timeouts) override;
    bool SetCommMask(CommHandle port, std::uint32_t mask) override;
    bool WaitCommEvent(CommHandle port, std::uint32_t* events, Overlapped* overlapped) override;
    bool ReadFile(CommHandle port, void* buffer, std::uint32_t length, std::uint32_t& count,
                  Overlapped* overlapped) override;
    bool WriteFile(CommHandle port, const void* data, std::uint32_t length, std::uint32_t& count,
                   Overlapped* overlapped) override;
    bool GetOverlappedResult(CommHandle port, Overlapped& overlapped, std::uint32_t& count,
                             bool wait) override;
    bool CancelIo(CommHandle port) override;
    std::uint32_t WaitForInput(CommHandle port, std::chrono::steady_clock::time_point until,
                               StopHandle stop) override;
    // GetLowLatency stays the base's: Windows drivers have no such switch (an FTDI chip's latency
    // timer is a setting of its driver's, in the Device Manager).

private:
    std::shared_ptr<Win32Port> Find(CommHandle port);

    std::mutex mutex_;
    std::map<CommHandle, std::shared_ptr<Win32Port>> ports_;
    CommHandle nextHandle_ = 1;
};

}  // namespace platform
