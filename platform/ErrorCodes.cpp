// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ErrorCodes.h"

#include <cerrno>
#include <cstring>

namespace platform {

std::uint32_t ErrorFromErrno(int err)
{
    switch (err) {
    case 0:
        return kErrorSuccess;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return kErrorFileNotFound;
    case EACCES:
    case EPERM:
    case EBUSY:
    case EWOULDBLOCK:
        return kErrorAccessDenied;
    case EBADF:
        return kErrorInvalidHandle;
    case ENOMEM:
        return kErrorNotEnoughMemory;
    case EINVAL:
        return kErrorInvalidParameter;
    case ENOTTY:
        return kErrorInvalidFunction;
    case ECANCELED:
        return kErrorOperationAborted;
    case EIO:
        return kErrorIoDevice;
    case EDEADLK:
        return kErrorPossibleDeadlock;
    case ETIMEDOUT:
        return kErrorTimeout;
    default:
        return kErrorGenFailure;
    }
}

int ErrnoOfCode(std::uint32_t code)
{
    switch (code) {
    case kErrorSuccess:
        return 0;
    case kErrorInvalidFunction:
        return ENOTTY;
    case kErrorFileNotFound:
        return ENOENT;
    case kErrorAccessDenied:
        return EACCES;
    case kErrorInvalidHandle:
        return EBADF;
    case kErrorNotEnoughMemory:
        return ENOMEM;
    case kErrorGenFailure:
    case kErrorIoDevice:
        return EIO;
    case kErrorInvalidParameter:
    case kEInvalidArg:
        return EINVAL;
    case kStillActive:
        return EBUSY;
    case kErrorOperationAborted:
        return ECANCELED;
    case kErrorIoIncomplete:
    case kErrorIoPending:
        return EINPROGRESS;
    case kErrorPossibleDeadlock:
        return EDEADLK;
    case kErrorAlreadyInitialized:
        return EALREADY;
    case kErrorTimeout:
        return ETIMEDOUT;
    default:
        return 0;
    }
}

std::optional<std::string> ErrorText(std::uint32_t code)
{
    const int err = ErrnoOfCode(code);
    if (err == 0 && code != kErrorSuccess)
        return std::nullopt;
    return ErrnoText(err);
}

std::string ErrnoText(int err)
{
    char buffer[128];
    // The GNU strerror_r: the text may or may not land in the buffer.
    return strerror_r(err, buffer, sizeof buffer);
}

namespace {
thread_local std::uint32_t lastError = kErrorSuccess;
thread_local int lastErrno = 0;
}  // namespace

std::uint32_t GetLastError()
{
    return lastError;
}

void SetLastError(std::uint32_t code)
{
    lastError = code;
    lastErrno = ErrnoOfCode(code);
}

void SetLastErrorFromErrno(int err)
{
    lastError = ErrorFromErrno(err);
    lastErrno = err;
}

int SystemErrno(std::uint32_t code)
{
    return code == lastError ? lastErrno : ErrnoOfCode(code);
}

}  // namespace platform
