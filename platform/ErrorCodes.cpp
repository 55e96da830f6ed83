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

std::optional<std::string> ErrorText(std::uint32_t code)
{
    switch (code) {
    case kErrorSuccess:
        return "The operation completed successfully.\r\n";
    case kErrorInvalidFunction:
        return "Incorrect function.\r\n";
    case kErrorFileNotFound:
        return "The system cannot find the file specified.\r\n";
    case kErrorAccessDenied:
        return "Access is denied.\r\n";
    case kErrorInvalidHandle:
        return "The handle is invalid.\r\n";
    case kErrorNotEnoughMemory:
        return "Not enough memory resources are available to process this command.\r\n";
    case kErrorGenFailure:
        return "A device attached to the system is not functioning.\r\n";
    case kErrorInvalidParameter:
        return "The parameter is incorrect.\r\n";
    case kStillActive:
        return "No more data is available.\r\n";
    case kErrorOperationAborted:
        return "The I/O operation has been aborted because of either a thread exit or an "
               "application request.\r\n";
    case kErrorIoIncomplete:
        return "Overlapped I/O event is not in a signaled state.\r\n";
    case kErrorIoPending:
        return "Overlapped I/O operation is in progress.\r\n";
    case kErrorIoDevice:
        return "The request could not be performed because of an I/O device error.\r\n";
    case kErrorPossibleDeadlock:
        return "A potential deadlock condition has been detected.\r\n";
    case kErrorAlreadyInitialized:
        return "An attempt was made to perform an initialization operation when "
               "initialization has already been completed.\r\n";
    case kErrorTimeout:
        return "This operation returned because the timeout period expired.\r\n";
    case kEInvalidArg:
        return "The parameter is incorrect.\r\n";
    default:
        return std::nullopt;
    }
}

namespace {
thread_local std::uint32_t lastError = kErrorSuccess;
}

std::uint32_t GetLastError()
{
    return lastError;
}

void SetLastError(std::uint32_t code)
{
    lastError = code;
}

}  // namespace platform
