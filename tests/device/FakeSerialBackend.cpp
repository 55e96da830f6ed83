// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/device/FakeSerialBackend.h"

#include "platform/ErrorCodes.h"
#include "platform/Event.h"

#include <cstdint>
#include <cstdio>

using namespace platform;

namespace {

constexpr CommHandle kFakeHandle = 0x5150;

std::string Hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", value);
    return text;
}

}  // namespace

size_t FakeSerialBackend::Count(const std::string& prefix) const
{
    size_t n = 0;
    for (const auto& call : calls)
        n += call.rfind(prefix, 0) == 0;
    return n;
}

std::vector<std::string> FakeSerialBackend::CallNames() const
{
    std::vector<std::string> names;
    for (const auto& call : calls)
        names.push_back(call.substr(0, call.find(' ')));
    return names;
}

bool FakeSerialBackend::Failing(const std::string& name)
{
    const auto found = failures.find(name);
    if (found == failures.end())
        return false;
    SetLastError(found->second);
    return true;
}

CommHandle FakeSerialBackend::CreateFile(const std::string& portName, bool overlapped)
{
    calls.push_back("CreateFile " + portName + (overlapped ? " overlapped" : " plain"));
    lastOpenOverlapped = overlapped;
    return Failing("CreateFile") ? kNullHandle : kFakeHandle;
}

bool FakeSerialBackend::CloseHandle(CommHandle)
{
    calls.push_back("CloseHandle");
    return true;
}

bool FakeSerialBackend::SetupComm(CommHandle, std::uint32_t in, std::uint32_t out)
{
    calls.push_back("SetupComm " + std::to_string(in) + " " + std::to_string(out));
    return !Failing("SetupComm");
}

bool FakeSerialBackend::GetDefaultCommConfig(const std::string& portName, CommConfig& config,
                                             std::uint32_t& size)
{
    calls.push_back("GetDefaultCommConfig " + portName + " " + std::to_string(config.size) + " " +
                    std::to_string(size));
    if (Failing("GetDefaultCommConfig"))
        return false;
    size = 50;  // the size returned is the one to pass on
    return true;
}

bool FakeSerialBackend::SetCommConfig(CommHandle, const CommConfig&, std::uint32_t size)
{
    calls.push_back("SetCommConfig " + std::to_string(size));
    return !Failing("SetCommConfig");
}

bool FakeSerialBackend::GetCommState(CommHandle, Dcb& dcb)
{
    calls.push_back("GetCommState");
    if (Failing("GetCommState"))
        return false;
    dcb = state;
    return true;
}

bool FakeSerialBackend::SetCommState(CommHandle, const Dcb& dcb)
{
    calls.push_back("SetCommState");
    if (Failing("SetCommState"))
        return false;
    state = dcb;
    return true;
}

bool FakeSerialBackend::GetCommTimeouts(CommHandle, CommTimeouts& value)
{
    calls.push_back("GetCommTimeouts");
    if (Failing("GetCommTimeouts"))
        return false;
    value = timeouts;
    return true;
}

bool FakeSerialBackend::SetCommTimeouts(CommHandle, const CommTimeouts& value)
{
    calls.push_back("SetCommTimeouts " + Hex(value.readIntervalTimeout) + " " +
                    std::to_string(value.readTotalTimeoutMultiplier) + " " +
                    std::to_string(value.readTotalTimeoutConstant));
    if (Failing("SetCommTimeouts"))
        return false;
    timeouts = value;
    return true;
}

bool FakeSerialBackend::SetCommMask(CommHandle, std::uint32_t mask)
{
    calls.push_back("SetCommMask " + Hex(mask));
    return !Failing("SetCommMask");
}

bool FakeSerialBackend::Transfer(std::uint32_t& count, Overlapped* overlapped, std::uint32_t* events)
{
    lastRecord = overlapped;
    if (!overlapped || completion == Completion::AtOnce) {
        count = transferCount;
        if (events)
            *events = eventsToFire;
        return true;
    }
    count = 0xBAD;  // an overlapped call's count means nothing while pending
    if (completion == Completion::PendingDone) {
        if (events)
            *events = eventsToFire;
        overlapped->transferred = transferCount;
        overlapped->status = 0;
        if (overlapped->event)
            overlapped->event->Set();
    }
    SetLastError(kErrorIoPending);
    return false;
}

bool FakeSerialBackend::WaitCommEvent(CommHandle, std::uint32_t* events, Overlapped* overlapped)
{
    calls.push_back(std::string("WaitCommEvent") + (overlapped ? " record" : " none"));
    std::uint32_t unused = 0;
    return !Failing("WaitCommEvent") && Transfer(unused, overlapped, events);
}

bool FakeSerialBackend::ReadFile(CommHandle, void*, std::uint32_t length, std::uint32_t& count,
                                 Overlapped* overlapped)
{
    calls.push_back("ReadFile " + std::to_string(length) + (overlapped ? " record" : " none"));
    return !Failing("ReadFile") && Transfer(count, overlapped, nullptr);
}

bool FakeSerialBackend::WriteFile(CommHandle, const void*, std::uint32_t length, std::uint32_t& count,
                                  Overlapped* overlapped)
{
    calls.push_back("WriteFile " + std::to_string(length) + (overlapped ? " record" : " none"));
    return !Failing("WriteFile") && Transfer(count, overlapped, nullptr);
}

bool FakeSerialBackend::GetOverlappedResult(CommHandle, Overlapped& overlapped, std::uint32_t& count,
                                            bool wait)
{
    calls.push_back(std::string("GetOverlappedResult") + (wait ? " wait" : " nowait"));
    if (overlappedResultError != 0) {
        SetLastError(overlappedResultError);
        return false;
    }
    count = overlapped.transferred;
    return true;
}

bool FakeSerialBackend::CancelIo(CommHandle)
{
    calls.push_back("CancelIo");
    return true;
}

std::uint32_t FakeSerialBackend::WaitForInput(CommHandle, std::chrono::steady_clock::time_point,
                                              platform::StopHandle)
{
    calls.push_back("WaitForInput");
    return kErrorTimeout;
}
