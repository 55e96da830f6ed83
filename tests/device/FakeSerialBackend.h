// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scripted serial backend: logs every call in order, fails the calls a test names, and
// completes reads, writes and event waits in the way a test chooses.
#include "platform/SerialBackend.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class FakeSerialBackend : public platform::SerialBackend {
public:
    enum class Completion {
        AtOnce,          // the call completes before it returns
        PendingDone,     // reports pending, with the record already completed and signalled
        PendingForever,  // reports pending and never completes
    };

    // Calls in order, such as "CreateFile COM7 overlapped" or "SetCommMask 0xc1".
    std::vector<std::string> calls;
    // Call name ("SetCommTimeouts") -> error code it fails with.
    std::map<std::string, std::uint32_t> failures;

    Completion completion = Completion::AtOnce;
    std::uint32_t transferCount = 0;          // what a read or write reports as moved
    std::uint32_t eventsToFire = 0;           // what a completed event wait reports
    std::uint32_t overlappedResultError = 0;  // GetOverlappedResult fails with this when non-zero

    platform::Dcb state;
    platform::CommTimeouts timeouts;
    platform::Overlapped* lastRecord = nullptr;
    bool lastOpenOverlapped = false;

    // Calls whose log line starts with `prefix`.
    size_t Count(const std::string& prefix) const;
    std::vector<std::string> CallNames() const;

    platform::CommHandle CreateFile(const std::string& portName, bool overlapped) override;
    bool CloseHandle(platform::CommHandle port) override;
    bool SetupComm(platform::CommHandle port, std::uint32_t inQueueSize, std::uint32_t outQueueSize) override;
    bool GetDefaultCommConfig(const std::string& portName, platform::CommConfig& config,
                              std::uint32_t& size) override;
    bool SetCommConfig(platform::CommHandle port, const platform::CommConfig& config,
                       std::uint32_t size) override;
    bool GetCommState(platform::CommHandle port, platform::Dcb& dcb) override;
    bool SetCommState(platform::CommHandle port, const platform::Dcb& dcb) override;
    bool GetCommTimeouts(platform::CommHandle port, platform::CommTimeouts& value) override;
    bool SetCommTimeouts(platform::CommHandle port, const platform::CommTimeouts& value) override;
    bool SetCommMask(platform::CommHandle port, std::uint32_t mask) override;
    bool WaitCommEvent(platform::CommHandle port, std::uint32_t* events,
                       platform::Overlapped* overlapped) override;
    bool ReadFile(platform::CommHandle port, void* buffer, std::uint32_t length, std::uint32_t& count,
                  platform::Overlapped* overlapped) override;
    bool WriteFile(platform::CommHandle port, const void* data, std::uint32_t length, std::uint32_t& count,
                   platform::Overlapped* overlapped) override;
    bool GetOverlappedResult(platform::CommHandle port, platform::Overlapped& overlapped,
                             std::uint32_t& count, bool wait) override;
    bool CancelIo(platform::CommHandle port) override;
    // Nothing ever arrives on the scripted line: every wait times out at once.
    std::uint32_t WaitForInput(platform::CommHandle port, std::chrono::steady_clock::time_point until,
                               platform::StopHandle stopFd) override;

private:
    bool Failing(const std::string& name);
    bool Transfer(std::uint32_t& count, platform::Overlapped* overlapped, std::uint32_t* events);
};
