// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial backend on POSIX terminals.
#include "platform/SerialBackend.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

namespace platform {

class PosixPort;

class PosixSerialBackend : public SerialBackend {
public:
    PosixSerialBackend();
    ~PosixSerialBackend() override;

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
    bool GetLowLatency(CommHandle port, bool& on) override;

    // The record a port gets from the system's default configuration: 9600 baud, 8 data bits,
    // no parity, one stop bit, no flow control, DTR and RTS on.
    static Dcb DefaultState();

private:
    std::shared_ptr<PosixPort> Find(CommHandle port);

    std::mutex mutex_;
    std::map<CommHandle, std::shared_ptr<PosixPort>> ports_;
    CommHandle nextHandle_ = 1;
};

}  // namespace platform
