// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/ChosenPort.h"

#include <utility>

namespace operation {

ChosenPort::ChosenPort(IdentityReader reader) : reader_(std::move(reader)) {}

void ChosenPort::Choose(const std::string& name)
{
    name_ = name;
    chosen_ = now_ = reader_(name);
}

PortChange ChosenPort::Look()
{
    now_ = reader_(name_);
    if (chosen_.path.empty())
        chosen_ = now_;
    return ComparePortIdentity(chosen_, now_);
}

std::string ChosenPort::ChangeText() const
{
    return PortChangeText(name_, chosen_, now_);
}

std::string ChosenPort::Question() const
{
    return PortChangeQuestion(name_, chosen_, now_);
}

}  // namespace operation
