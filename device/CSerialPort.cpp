// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/CSerialPort.h"

#include "platform/ErrorCodes.h"

#include <cstring>
#include <new>
#include <optional>

namespace device {

using namespace platform;

namespace {

constexpr std::uint32_t kHandshakeNone = 0;
constexpr std::uint32_t kHandshakeHardware = 1;
constexpr std::uint32_t kHandshakeSoftware = 2;
constexpr std::uint32_t kReadModeNonBlocking = 0;
constexpr std::uint32_t kReadModeBlocking = 1;
constexpr std::uint32_t kFailure = 0xFFFFFFFF;

Dcb EmptyRecord()
{
    Dcb dcb;
    dcb.length = kDcbLength;
    return dcb;
}

}  // namespace

CSerialPort::CSerialPort() : CSerialPort(DefaultSerialBackend()) {}

CSerialPort::CSerialPort(SerialBackend& portBackend)
    : lastError(0), portHandle(kNullHandle), firedEvents(0), eventMask(0), backend(&portBackend)
{}

CSerialPort::~CSerialPort()
{
    CSerialPort::Close();
}

std::uint32_t CSerialPort::Open(const std::string& portName, std::uint32_t inQueueSize,
                                std::uint32_t outQueueSize, bool overlapped)
{
    lastError = 0;
    if (portHandle != kNullHandle)
        return lastError = kErrorAlreadyInitialized;

    const CommHandle handle = backend->CreateFile(portName, overlapped);
    if (handle == kNullHandle)
        return lastError = GetLastError();
    portHandle = handle;

    if (overlapped) {
        ioEvent.reset(new (std::nothrow) Event(true, false));
        if (!ioEvent) {
            backend->CloseHandle(portHandle);
            portHandle = kNullHandle;
            return lastError = kErrorNotEnoughMemory;
        }
    }
    if (inQueueSize != 0 || outQueueSize != 0) {
        if (!backend->SetupComm(portHandle, inQueueSize, outQueueSize)) {
            const std::uint32_t code = GetLastError();
            Close();
            return lastError = code;
        }
    }
    // A port that cannot take the event mask or the read mode is not usable: it is closed
    // again, so that a failed Open never leaves the port held.
    std::uint32_t code = SetEventMask(kOpenEventMask);
    if (code == 0)
        code = SetReadMode(kReadModeNonBlocking);
    if (code != 0) {
        Close();
        return lastError = code;
    }

    CommConfig config;
    config.size = kCommConfigSize;
    std::uint32_t size = kCommConfigSize;
    if (backend->GetDefaultCommConfig(portName, config, size))
        backend->SetCommConfig(portHandle, config, size);
    return lastError;
}

std::uint32_t CSerialPort::Close()
{
    lastError = 0;
    if (portHandle == kNullHandle)
        return 0;
    ioEvent.reset();
    backend->CloseHandle(portHandle);
    portHandle = kNullHandle;
    return 0;
}

bool CSerialPort::IsOpen()
{
    if (portHandle != kNullHandle) {
        lastError = 0;
        return true;
    }
    lastError = kErrorInvalidHandle;
    return false;
}

std::uint32_t CSerialPort::QueryState(Dcb& dcb)
{
    if (!backend->GetCommState(portHandle, dcb))
        return lastError = GetLastError();
    return 0;
}

std::uint32_t CSerialPort::StoreState(const Dcb& dcb)
{
    if (!backend->SetCommState(portHandle, dcb))
        return lastError = GetLastError();
    return lastError;
}

std::uint32_t CSerialPort::SetLineFormat(std::uint32_t baudRate, std::uint8_t byteSize, std::uint8_t parity,
                                         std::uint8_t stopBits)
{
    auto dcb = CurrentState();
    if (!dcb)
        return lastError;
    dcb->baudRate = baudRate;
    dcb->byteSize = byteSize;
    dcb->parity = parity;
    dcb->stopBits = stopBits;
    dcb->parityCheck = parity != kNoParity;
    return StoreState(*dcb);
}

std::uint32_t CSerialPort::SetEventChar(std::uint8_t eventChar, bool adjustMask)
{
    auto dcb = CurrentState();
    if (!dcb)
        return lastError;
    dcb->evtChar = static_cast<char>(eventChar);
    if (adjustMask)
        SetEventMask(GetEventMask() | kEvRxFlag);
    // The mask step's outcome stays in lastError and is what a good write returns.
    return StoreState(*dcb);
}

std::uint32_t CSerialPort::SetEventMask(std::uint32_t mask)
{
    if (!IsOpen())
        return lastError;
    if (!backend->SetCommMask(portHandle, mask))
        return lastError = GetLastError();
    eventMask = mask;
    return 0;
}

std::uint32_t CSerialPort::SetHandshake(std::uint32_t kind)
{
    if (!IsOpen())
        return lastError;
    if (kind > kHandshakeSoftware)
        return lastError = kEInvalidArg;
    auto dcb = CurrentState();
    if (!dcb)
        return lastError;
    const bool hardware = kind == kHandshakeHardware;
    const bool software = kind == kHandshakeSoftware;
    dcb->outxCtsFlow = hardware;
    dcb->outxDsrFlow = hardware;
    dcb->dtrControl = hardware ? kDtrControlHandshake : kDtrControlDisable;
    dcb->rtsControl = hardware ? kRtsControlHandshake : kRtsControlDisable;
    dcb->outX = software;
    dcb->inX = software;
    return StoreState(*dcb);
}

std::int32_t CSerialPort::GetHandshake()
{
    const auto dcb = CurrentState();
    if (!dcb)
        return -1;
    if (dcb->dtrControl == kDtrControlHandshake && dcb->rtsControl == kRtsControlHandshake)
        return kHandshakeHardware;
    if (dcb->outX && dcb->inX)
        return kHandshakeSoftware;
    return kHandshakeNone;
}

std::uint32_t CSerialPort::SetReadMode(std::uint32_t mode)
{
    if (!IsOpen())
        return lastError;
    CommTimeouts timeouts;
    if (!backend->GetCommTimeouts(portHandle, timeouts))
        return lastError = GetLastError();
    switch (mode) {
    case kReadModeNonBlocking:
        timeouts.readIntervalTimeout = kMaxDword;
        break;
    case kReadModeBlocking:
        timeouts.readIntervalTimeout = 0;
        break;
    default:
        return lastError = kEInvalidArg;
    }
    timeouts.readTotalTimeoutMultiplier = 0;
    timeouts.readTotalTimeoutConstant = 0;
    if (!backend->SetCommTimeouts(portHandle, timeouts))
        return lastError = GetLastError();
    return lastError;
}

std::optional<Dcb> CSerialPort::CurrentState()
{
    Dcb dcb = EmptyRecord();
    if (!IsOpen() || QueryState(dcb) != 0)
        return std::nullopt;
    return dcb;
}

std::uint32_t CSerialPort::GetBaudRate()
{
    const auto dcb = CurrentState();
    return dcb ? dcb->baudRate : kFailure;
}

std::int32_t CSerialPort::GetByteSize()
{
    const auto dcb = CurrentState();
    return dcb ? dcb->byteSize : -1;
}

std::int32_t CSerialPort::GetParity()
{
    const auto dcb = CurrentState();
    if (!dcb)
        return -1;
    return dcb->parityCheck ? dcb->parity : kNoParity;
}

std::int32_t CSerialPort::GetStopBits()
{
    const auto dcb = CurrentState();
    return dcb ? dcb->stopBits : -1;
}

std::uint32_t CSerialPort::GetEventMask()
{
    return IsOpen() ? eventMask : 0;
}

std::uint8_t CSerialPort::GetEventChar()
{
    const auto dcb = CurrentState();
    return dcb ? static_cast<std::uint8_t>(dcb->evtChar) : 0;
}

std::uint32_t CSerialPort::RunIo(const IoCall& issue, std::uint32_t& count, Overlapped* callerRecord,
                                 std::uint32_t timeoutMs, bool collectCount)
{
    if (!IsOpen())
        return lastError;
    if (!ioEvent) {
        if (callerRecord || timeoutMs != kInfinite)
            return lastError = kErrorInvalidFunction;
        if (!issue(count, nullptr))
            return lastError = GetLastError();
        return lastError;
    }

    Overlapped localRecord;
    localRecord.event = ioEvent.get();
    Overlapped& record = callerRecord ? *callerRecord : localRecord;
    if (issue(count, &record)) {
        // Signalled here too, so that a caller waiting on its own record sees the completion.
        if (record.event)
            record.event->Set();
        return lastError;
    }
    const std::uint32_t code = GetLastError();
    if (code != kErrorIoPending)
        return lastError = code;
    if (callerRecord)
        return lastError;

    if (ioEvent->Wait(timeoutMs) == WaitResult::TimedOut) {
        backend->CancelIo(portHandle);
        count = 0;
        return lastError = kErrorTimeout;
    }
    if (collectCount && !backend->GetOverlappedResult(portHandle, localRecord, count, false))
        return lastError = GetLastError();
    return lastError;
}

std::uint32_t CSerialPort::WaitLineEvent(Overlapped* overlapped, std::uint32_t timeoutMs)
{
    std::uint32_t unused = 0;
    return RunIo(
        [this](std::uint32_t&, Overlapped* record) {
            return backend->WaitCommEvent(portHandle, &firedEvents, record);
        },
        unused, overlapped, timeoutMs, false);
}

std::uint32_t CSerialPort::WriteString(const char* text, std::uint32_t* bytesWritten, Overlapped* overlapped,
                                       std::uint32_t timeoutMs)
{
    return Write(text, static_cast<std::uint32_t>(std::strlen(text)), bytesWritten, overlapped, timeoutMs);
}

std::uint32_t CSerialPort::Write(const void* data, std::uint32_t length, std::uint32_t* bytesWritten,
                                 Overlapped* overlapped, std::uint32_t timeoutMs)
{
    std::uint32_t localCount = 0;
    std::uint32_t& count = bytesWritten ? *bytesWritten : localCount;
    count = 0;
    return RunIo([&](std::uint32_t& n,
                     Overlapped* record) { return backend->WriteFile(portHandle, data, length, n, record); },
                 count, overlapped, timeoutMs, true);
}

std::uint32_t CSerialPort::Read(void* buffer, std::uint32_t length, std::uint32_t* bytesRead,
                                Overlapped* overlapped, std::uint32_t timeoutMs)
{
    std::uint32_t localCount = 0;
    std::uint32_t& count = bytesRead ? *bytesRead : localCount;
    count = 0;
    return RunIo([&](std::uint32_t& n,
                     Overlapped* record) { return backend->ReadFile(portHandle, buffer, length, n, record); },
                 count, overlapped, timeoutMs, true);
}

std::uint32_t CSerialPort::WaitForInput(std::chrono::steady_clock::time_point until,
                                        platform::StopHandle stopFd)
{
    if (!IsOpen())
        return lastError;
    return lastError = backend->WaitForInput(portHandle, until, stopFd);
}

int CSerialPort::ProbePort(const std::string& portName)
{
    return ProbePort(portName, DefaultSerialBackend());
}

int CSerialPort::ProbePort(const std::string& portName, SerialBackend& backend)
{
    const CommHandle handle = backend.CreateFile(portName, false);
    if (handle != kNullHandle) {
        backend.CloseHandle(handle);
        return 0;
    }
    switch (GetLastError()) {
    case kErrorFileNotFound:
        return 1;
    case kErrorAccessDenied:
        return 2;
    default:
        return -1;
    }
}

}  // namespace device
