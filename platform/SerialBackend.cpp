// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SerialBackend.h"

#include "platform/ErrorCodes.h"

namespace platform {

bool SerialBackend::GetLowLatency(CommHandle, bool&)
{
    SetLastError(kErrorInvalidFunction);
    return false;
}

}  // namespace platform
