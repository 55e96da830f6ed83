// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/editor/DemoDump.h"

#include "dumpedit/widget/CDumpEdit.h"

DemoDump::DemoDump()
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 0x20);
    }
}

void DemoDump::Attach(dumpedit::CDumpEdit& edit)
{
    edit.SetAddressDigits(2, false);
    edit.ShowAddressColumn(true, false);
    edit.ShowCharColumn(true, false);
    edit.SetBytesPerRow(16, false, true);
    edit.SetMarkColors(0xFFFFFF, 0xFFFFFF, 0x0000FF, true);
    edit.SetBuffer(bytes.data(), static_cast<quint32>(bytes.size()), true);
    edit.resize(560, 310);
}
