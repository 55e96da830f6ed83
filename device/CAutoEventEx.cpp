#include "CAutoEventEx.h"

CAutoEventEx::CAutoEventEx(bool initialState, const std::string& name)
    : CEventEx(false, initialState, name)
{
}

CAutoEventEx::~CAutoEventEx() = default;
