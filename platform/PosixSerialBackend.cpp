// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PosixSerialBackend.h"

#include "platform/ErrorCodes.h"
#include "platform/Event.h"
#include "platform/LineControl.h"
#include "platform/PortNames.h"
#include "platform/PosixPort.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool Fail(std::uint32_t code)
{
    SetLastError(code);
    return false;
}

// Turns a backend status into the call's outcome: true for 0, else false with the code.
bool Outcome(std::uint32_t code)
{
    return code == 0 ? true : Fail(code);
}

constexpr std::uint32_t kErrorInsufficientBuffer = 122;

}  // namespace

PosixSerialBackend::PosixSerialBackend() = default;
PosixSerialBackend::~PosixSerialBackend() = default;

SerialBackend& DefaultSerialBackend()
{
    static PosixSerialBackend backend;
    return backend;
}

Dcb PosixSerialBackend::DefaultState()
{
    Dcb dcb;
    dcb.length = kDcbLength;
    dcb.baudRate = 9600;
    dcb.binary = true;
    dcb.dtrControl = kDtrControlEnable;
    dcb.rtsControl = kRtsControlEnable;
    dcb.xonLim = 2048;
    dcb.xoffLim = 512;
    dcb.byteSize = 8;
    dcb.parity = kNoParity;
    dcb.stopBits = kOneStopBit;
    dcb.xonChar = 0x11;
    dcb.xoffChar = 0x13;
    return dcb;
}

std::shared_ptr<PosixPort> PosixSerialBackend::Find(CommHandle port)
{
    std::lock_guard lock(mutex_);
    const auto found = ports_.find(port);
    if (found == ports_.end()) {
        SetLastError(kErrorInvalidHandle);
        return nullptr;
    }
    return found->second;
}

CommHandle PosixSerialBackend::CreateFile(const std::string& portName, bool overlapped)
{
    const auto resolved = ResolvePortName(portName);
    if (const std::uint32_t* code = std::get_if<std::uint32_t>(&resolved)) {
        SetLastError(*code);
        return kNullHandle;
    }
    const int fd =
        ::open(std::get<std::string>(resolved).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        SetLastErrorFromErrno(errno);
        return kNullHandle;
    }
    // The errno is kept beside the code, so a message can say which of its causes it was.
    const auto refuse = [fd](int err) {
        ::close(fd);
        SetLastErrorFromErrno(err);
        return kNullHandle;
    };
    if (!::isatty(fd))
        return refuse(ENOTTY);
    // Another opener's lock: the port is busy, whatever word flock() has for it.
    if (const int err = line::LockExclusive(fd))
        return refuse(err == EWOULDBLOCK ? EBUSY : err);

    line::SavedSettings original{};
    if (const int err = line::SaveSettings(fd, original)) {
        line::ReleaseExclusive(fd);
        return refuse(err);
    }
    if (const int err = line::MakeRaw(fd)) {
        line::ReleaseExclusive(fd);
        return refuse(err);
    }
    Dcb state = DefaultState();
    line::ReadState(fd, state);
    auto port = std::make_shared<PosixPort>(fd, overlapped, state, original);
    std::lock_guard lock(mutex_);
    const CommHandle handle = nextHandle_++;
    ports_.emplace(handle, std::move(port));
    return handle;
}

bool PosixSerialBackend::CloseHandle(CommHandle handle)
{
    std::shared_ptr<PosixPort> port;
    {
        std::lock_guard lock(mutex_);
        const auto found = ports_.find(handle);
        if (found == ports_.end())
            return Fail(kErrorInvalidHandle);
        port = std::move(found->second);
        ports_.erase(found);
    }
    port->Shutdown();
    return true;
}

bool PosixSerialBackend::SetupComm(CommHandle handle, std::uint32_t, std::uint32_t)
{
    // A terminal's queues have sizes of the driver's own choosing.
    return Find(handle) != nullptr;
}

bool PosixSerialBackend::GetDefaultCommConfig(const std::string& portName, CommConfig& config,
                                              std::uint32_t& size)
{
    const auto resolved = ResolvePortName(portName);
    if (const std::uint32_t* code = std::get_if<std::uint32_t>(&resolved))
        return Fail(*code);
    struct stat info {};
    if (::stat(std::get<std::string>(resolved).c_str(), &info) != 0) {
        SetLastErrorFromErrno(errno);
        return false;
    }
    if (size < kCommConfigSize) {
        size = kCommConfigSize;
        return Fail(kErrorInsufficientBuffer);
    }
    config = CommConfig();
    config.size = kCommConfigSize;
    config.version = 1;
    config.dcb = DefaultState();
    size = kCommConfigSize;
    return true;
}

bool PosixSerialBackend::SetCommConfig(CommHandle handle, const CommConfig& config, std::uint32_t size)
{
    if (size < kCommConfigSize)
        return Fail(kErrorInvalidParameter);
    return SetCommState(handle, config.dcb);
}

bool PosixSerialBackend::GetCommState(CommHandle handle, Dcb& dcb)
{
    const auto port = Find(handle);
    return port && Outcome(port->GetState(dcb));
}

bool PosixSerialBackend::SetCommState(CommHandle handle, const Dcb& dcb)
{
    const auto port = Find(handle);
    return port && Outcome(port->SetState(dcb));
}

bool PosixSerialBackend::GetCommTimeouts(CommHandle handle, CommTimeouts& timeouts)
{
    const auto port = Find(handle);
    return port && Outcome(port->GetTimeouts(timeouts));
}

bool PosixSerialBackend::SetCommTimeouts(CommHandle handle, const CommTimeouts& timeouts)
{
    const auto port = Find(handle);
    return port && Outcome(port->SetTimeouts(timeouts));
}

bool PosixSerialBackend::SetCommMask(CommHandle handle, std::uint32_t mask)
{
    const auto port = Find(handle);
    return port && Outcome(port->SetMask(mask));
}

bool PosixSerialBackend::WaitCommEvent(CommHandle handle, std::uint32_t* events, Overlapped* overlapped)
{
    const auto port = Find(handle);
    return port && Outcome(port->WaitEvent(events, overlapped));
}

bool PosixSerialBackend::ReadFile(CommHandle handle, void* buffer, std::uint32_t length, std::uint32_t& count,
                                  Overlapped* overlapped)
{
    count = 0;
    const auto port = Find(handle);
    return port && Outcome(port->Read(buffer, length, count, overlapped));
}

bool PosixSerialBackend::WriteFile(CommHandle handle, const void* data, std::uint32_t length,
                                   std::uint32_t& count, Overlapped* overlapped)
{
    count = 0;
    const auto port = Find(handle);
    return port && Outcome(port->Write(data, length, count, overlapped));
}

bool PosixSerialBackend::GetOverlappedResult(CommHandle handle, Overlapped& overlapped, std::uint32_t& count,
                                             bool wait)
{
    const auto port = Find(handle);
    return port && Outcome(port->Result(overlapped, count, wait));
}

std::uint32_t PosixSerialBackend::WaitForInput(CommHandle handle, std::chrono::steady_clock::time_point until,
                                               StopHandle stop)
{
    const auto port = Find(handle);
    return port ? port->WaitForInput(until, stop) : kErrorInvalidHandle;
}

bool PosixSerialBackend::GetLowLatency(CommHandle handle, bool& on)
{
    const auto port = Find(handle);
    return port && Outcome(port->GetLowLatency(on));
}

bool PosixSerialBackend::CancelIo(CommHandle handle)
{
    const auto port = Find(handle);
    if (!port)
        return false;
    port->Cancel(std::this_thread::get_id());
    return true;
}

}  // namespace platform
