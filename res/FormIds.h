// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ids of the dialog templates and of their controls.
#include "res/ResourceIds.h"

namespace res {

inline constexpr ResourceId IDD_ABOUTBOX = 100;
inline constexpr ResourceId IDD_PROBEX_FORM = 101;

inline constexpr ResourceId IDOK = 1;
inline constexpr ResourceId IDC_DUMP_EDIT = 1007;
inline constexpr ResourceId IDC_READ = 1008;
inline constexpr ResourceId IDC_WRITE = 1009;
inline constexpr ResourceId IDC_READ_ID = 1010;
inline constexpr ResourceId IDC_ID_GROUP = 1011;
inline constexpr ResourceId IDC_PORT_COMBO = 1012;
inline constexpr ResourceId IDC_TIMEOUT_EDIT = 1013;
inline constexpr ResourceId IDC_COMPARE = 1014;
inline constexpr ResourceId IDC_STOP = 1015;

inline constexpr ResourceId ID_SEPARATOR = 0;

}  // namespace res
