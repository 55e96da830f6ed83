// SPDX-License-Identifier: GPL-3.0-or-later
// The system's own numbers and texts behind the codes: errno values and strerror.
#include "platform/ErrorCodes.h"

#include <cerrno>
#include <cstring>

namespace platform {

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

}  // namespace platform
