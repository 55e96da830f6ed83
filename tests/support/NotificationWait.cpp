// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/NotificationWait.h"

#include <gtest/gtest.h>

#include "device/ZaqProtocol.h"

namespace testsupport {

void TakeUntilFinished(const RecordingMessageTarget& target, std::size_t& seen,
                       const std::function<void(const RecordingMessageTarget::Message&)>& onEach)
{
    std::size_t taken = 0;
    for (; target.WaitForCount(seen + 1, 30000); ++taken) {
        const RecordingMessageTarget::Message message = target.Messages()[seen++];
        onEach(message);
        if (device::zaq::NotificationCode(std::uint32_t(message.wParam)) == device::NotifyFinished)
            return;
    }
    ADD_FAILURE() << "no NotifyFinished; got " << taken << " notifications";
}

}  // namespace testsupport
