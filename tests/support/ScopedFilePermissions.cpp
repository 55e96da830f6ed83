// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ScopedFilePermissions.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr unsigned kOverrideMask =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

bool GetCaps(__user_cap_data_struct (&data)[2])
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capget, &header, data) == 0;
}

bool SetCaps(__user_cap_data_struct (&data)[2])
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capset, &header, data) == 0;
}

}  // namespace

ScopedFilePermissions::ScopedFilePermissions()
{
    __user_cap_data_struct data[2] = {};
    if (!GetCaps(data))
        return;
    savedEffective_[0] = data[0].effective;
    savedEffective_[1] = data[1].effective;
    data[0].effective &= ~kOverrideMask;
    dropped_ = SetCaps(data);
}

ScopedFilePermissions::~ScopedFilePermissions()
{
    if (!dropped_)
        return;
    __user_cap_data_struct data[2] = {};
    if (!GetCaps(data))
        return;
    data[0].effective = savedEffective_[0];
    data[1].effective = savedEffective_[1];
    SetCaps(data);
}
