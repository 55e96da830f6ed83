#pragma once
#include "CEventEx.h"

// An event that each satisfied wait resets.
class CAutoEventEx : public CEventEx {
public:
    CAutoEventEx(bool initialState, const std::string& name);
    ~CAutoEventEx() override;
};
