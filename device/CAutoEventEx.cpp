// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/CAutoEventEx.h"

namespace device {

CAutoEventEx::CAutoEventEx(bool initialState, const std::string& name) : CEventEx(false, initialState, name)
{}

CAutoEventEx::~CAutoEventEx() = default;

}  // namespace device
