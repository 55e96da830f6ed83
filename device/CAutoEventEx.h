// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "device/CEventEx.h"

namespace device {

// An event that each satisfied wait resets.
class CAutoEventEx : public CEventEx {
public:
    CAutoEventEx(bool initialState, const std::string& name);
    ~CAutoEventEx() override;
};

}  // namespace device
