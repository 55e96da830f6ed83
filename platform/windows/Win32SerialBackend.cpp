// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/Win32SerialBackend.h"

#include "platform/ErrorCodes.h"
#include "platform/PortNames.h"
#include "platform/windows/WideText.h"
#include "platform/windows/Win32Port.h"

#include <vector>
#include <windows.h>

// The backend's own members carry these names; the A/W macros would rename them.
#undef CreateFile
#undef GetDefaultCommConfig

namespace platform {

namespace {

bool Fail(std::uint32_t code)
{
    SetLastError(code);
    return false;
}

// Turns a port's status into the call's outcome: true for 0, else false with the code.
bool Outcome(std::uint32_t code)
{
    return code == 0 ? true : Fail(code);
}

// The outcome of a Win32 call: its error code becomes the thread's last error.
bool Native(BOOL ok)
{
    return ok ? true : Fail(::GetLastError());
}

HANDLE NativeOf(const Win32Port& port)
{
    return port.Native();
}

Dcb FromNative(const DCB& native)
{
    Dcb dcb;
    dcb.length = kDcbLength;
    dcb.baudRate = native.BaudRate;
    dcb.binary = native.fBinary;
    dcb.parityCheck = native.fParity;
    dcb.outxCtsFlow = native.fOutxCtsFlow;
    dcb.outxDsrFlow = native.fOutxDsrFlow;
    dcb.dtrControl = std::uint8_t(native.fDtrControl);
    dcb.dsrSensitivity = native.fDsrSensitivity;
    dcb.txContinueOnXoff = native.fTXContinueOnXoff;
    dcb.outX = native.fOutX;
    dcb.inX = native.fInX;
    dcb.errorCharEnabled = native.fErrorChar;
    dcb.nullStrip = native.fNull;
    dcb.rtsControl = std::uint8_t(native.fRtsControl);
    dcb.abortOnError = native.fAbortOnError;
    dcb.xonLim = native.XonLim;
    dcb.xoffLim = native.XoffLim;
    dcb.byteSize = native.ByteSize;
    dcb.parity = native.Parity;
    dcb.stopBits = native.StopBits;
    dcb.xonChar = native.XonChar;
    dcb.xoffChar = native.XoffChar;
    dcb.errorChar = native.ErrorChar;
    dcb.eofChar = native.EofChar;
    dcb.evtChar = native.EvtChar;
    return dcb;
}

DCB ToNative(const Dcb& dcb)
{
    DCB native{};
    native.DCBlength = sizeof native;
    native.BaudRate = dcb.baudRate;
    native.fBinary = dcb.binary;
    native.fParity = dcb.parityCheck;
    native.fOutxCtsFlow = dcb.outxCtsFlow;
    native.fOutxDsrFlow = dcb.outxDsrFlow;
    native.fDtrControl = dcb.dtrControl & 3u;
    native.fDsrSensitivity = dcb.dsrSensitivity;
    native.fTXContinueOnXoff = dcb.txContinueOnXoff;
    native.fOutX = dcb.outX;
    native.fInX = dcb.inX;
    native.fErrorChar = dcb.errorCharEnabled;
    native.fNull = dcb.nullStrip;
    native.fRtsControl = dcb.rtsControl & 3u;
    native.fAbortOnError = dcb.abortOnError;
    native.XonLim = dcb.xonLim;
    native.XoffLim = dcb.xoffLim;
    native.ByteSize = dcb.byteSize;
    native.Parity = dcb.parity;
    native.StopBits = dcb.stopBits;
    native.XonChar = dcb.xonChar;
    native.XoffChar = dcb.xoffChar;
    native.ErrorChar = dcb.errorChar;
    native.EofChar = dcb.eofChar;
    native.EvtChar = dcb.evtChar;
    return native;
}

}  // namespace

Win32SerialBackend::Win32SerialBackend() = default;
Win32SerialBackend::~Win32SerialBackend() = default;

SerialBackend& DefaultSerialBackend()
{
    static Win32SerialBackend backend;
    return backend;
}

std::shared_ptr<Win32Port> Win32SerialBackend::Find(CommHandle port)
{
    std::lock_guard lock(mutex_);
    const auto found = ports_.find(port);
    if (found == ports_.end()) {
        SetLastError(kErrorInvalidHandle);
        return nullptr;
    }
    return found->second;
}

CommHandle Win32SerialBackend::CreateFile(const std::string& portName, bool overlapped)
{
    const auto resolved = ResolvePortName(portName);
    if (const std::uint32_t* code = std::get_if<std::uint32_t>(&resolved)) {
        SetLastError(*code);
        return kNullHandle;
    }
    // Exclusive (no sharing), as every serial port is; always overlapped, so that a wait can end
    // on a stop or a deadline whatever the caller asked for.
    HANDLE native =
        ::CreateFileW(WideFromUtf8(std::get<std::string>(resolved)).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
    if (native == INVALID_HANDLE_VALUE) {
        SetLastError(::GetLastError());
        return kNullHandle;
    }
    // A device without a line state is not a serial port.
    DCB original{};
    original.DCBlength = sizeof original;
    if (!::GetCommState(native, &original)) {
        const DWORD code = ::GetLastError();
        ::CloseHandle(native);
        SetLastError(code);
        return kNullHandle;
    }
    // Bytes from before this opening answer nothing this program asked.
    PurgeComm(native, PURGE_RXCLEAR | PURGE_TXCLEAR);
    auto port = std::make_shared<Win32Port>(native, overlapped, &original, sizeof original);
    std::lock_guard lock(mutex_);
    const CommHandle handle = nextHandle_++;
    ports_.emplace(handle, std::move(port));
    return handle;
}

bool Win32SerialBackend::CloseHandle(CommHandle handle)
{
    std::shared_ptr<Win32Port> port;
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

bool Win32SerialBackend::SetupComm(CommHandle handle, std::uint32_t inQueueSize, std::uint32_t outQueueSize)
{
    const auto port = Find(handle);
    return port && Native(::SetupComm(NativeOf(*port), inQueueSize, outQueueSize));
}

bool Win32SerialBackend::GetDefaultCommConfig(const std::string& portName, CommConfig& config,
                                              std::uint32_t& size)
{
    if (size < kCommConfigSize) {
        size = kCommConfigSize;
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    // The provider's data may follow the record: room for it, and only the record is kept.
    // The call takes the bare COM name ("COM3"), not the device path.
    std::string bare = portName.rfind("\\\\.\\", 0) == 0 ? portName.substr(4) : portName;
    if (const std::string canonical = CanonicalComName(bare); !canonical.empty())
        bare = canonical;
    const std::wstring name = WideFromUtf8(bare);
    DWORD nativeSize = sizeof(COMMCONFIG);
    std::vector<unsigned char> buffer(nativeSize);
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto* native = reinterpret_cast<COMMCONFIG*>(buffer.data());
        native->dwSize = sizeof(COMMCONFIG);
        if (::GetDefaultCommConfigW(name.c_str(), native, &nativeSize)) {
            config = CommConfig();
            config.size = kCommConfigSize;
            config.version = native->wVersion;
            config.dcb = FromNative(native->dcb);
            config.providerSubType = native->dwProviderSubType;
            size = kCommConfigSize;
            return true;
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || nativeSize <= buffer.size())
            break;
        buffer.resize(nativeSize);
    }
    return Fail(::GetLastError());
}

bool Win32SerialBackend::SetCommConfig(CommHandle handle, const CommConfig& config, std::uint32_t size)
{
    if (size < kCommConfigSize)
        return Fail(kErrorInvalidParameter);
    const auto port = Find(handle);
    if (!port)
        return false;
    COMMCONFIG native{};
    native.dwSize = sizeof native;
    native.wVersion = config.version;
    native.dcb = ToNative(config.dcb);
    native.dwProviderSubType = config.providerSubType;
    return Native(::SetCommConfig(NativeOf(*port), &native, sizeof native));
}

bool Win32SerialBackend::GetCommState(CommHandle handle, Dcb& dcb)
{
    const auto port = Find(handle);
    if (!port)
        return false;
    DCB native{};
    native.DCBlength = sizeof native;
    if (!::GetCommState(NativeOf(*port), &native))
        return Fail(::GetLastError());
    dcb = FromNative(native);
    return true;
}

bool Win32SerialBackend::SetCommState(CommHandle handle, const Dcb& dcb)
{
    const auto port = Find(handle);
    if (!port)
        return false;
    DCB native = ToNative(dcb);
    return Native(::SetCommState(NativeOf(*port), &native));
}

bool Win32SerialBackend::GetCommTimeouts(CommHandle handle, CommTimeouts& timeouts)
{
    const auto port = Find(handle);
    if (!port)
        return false;
    COMMTIMEOUTS native{};
    if (!::GetCommTimeouts(NativeOf(*port), &native))
        return Fail(::GetLastError());
    timeouts.readIntervalTimeout = native.ReadIntervalTimeout;
    timeouts.readTotalTimeoutMultiplier = native.ReadTotalTimeoutMultiplier;
    timeouts.readTotalTimeoutConstant = native.ReadTotalTimeoutConstant;
    timeouts.writeTotalTimeoutMultiplier = native.WriteTotalTimeoutMultiplier;
    timeouts.writeTotalTimeoutConstant = native.WriteTotalTimeoutConstant;
    return true;
}

bool Win32SerialBackend::SetCommTimeouts(CommHandle handle, const CommTimeouts& timeouts)
{
    const auto port = Find(handle);
    if (!port)
        return false;
    COMMTIMEOUTS native{timeouts.readIntervalTimeout, timeouts.readTotalTimeoutMultiplier,
                        timeouts.readTotalTimeoutConstant, timeouts.writeTotalTimeoutMultiplier,
                        timeouts.writeTotalTimeoutConstant};
    return Native(::SetCommTimeouts(NativeOf(*port), &native));
}

bool Win32SerialBackend::SetCommMask(CommHandle handle, std::uint32_t mask)
{
    const auto port = Find(handle);
    return port && Outcome(port->SetMask(mask));
}

bool Win32SerialBackend::WaitCommEvent(CommHandle handle, std::uint32_t* events, Overlapped* overlapped)
{
    const auto port = Find(handle);
    return port && Outcome(port->WaitEvent(events, overlapped));
}

bool Win32SerialBackend::ReadFile(CommHandle handle, void* buffer, std::uint32_t length, std::uint32_t& count,
                                  Overlapped* overlapped)
{
    count = 0;
    const auto port = Find(handle);
    return port && Outcome(port->Read(buffer, length, count, overlapped));
}

bool Win32SerialBackend::WriteFile(CommHandle handle, const void* data, std::uint32_t length,
                                   std::uint32_t& count, Overlapped* overlapped)
{
    count = 0;
    const auto port = Find(handle);
    return port && Outcome(port->Write(data, length, count, overlapped));
}

bool Win32SerialBackend::GetOverlappedResult(CommHandle handle, Overlapped& overlapped, std::uint32_t& count,
                                             bool wait)
{
    const auto port = Find(handle);
    return port && Outcome(port->Result(overlapped, count, wait));
}

bool Win32SerialBackend::CancelIo(CommHandle handle)
{
    const auto port = Find(handle);
    if (!port)
        return false;
    port->CancelOwn();
    return true;
}

std::uint32_t Win32SerialBackend::WaitForInput(CommHandle handle, std::chrono::steady_clock::time_point until,
                                               StopHandle stop)
{
    const auto port = Find(handle);
    return port ? port->WaitForInput(until, stop) : kErrorInvalidHandle;
}

}  // namespace platform
