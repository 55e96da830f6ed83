// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ErrorCodes.h"

#include <cerrno>

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
