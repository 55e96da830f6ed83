// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port the user chose and the device it led to then, so that a name quietly leading to
// another device (a replaced port-map link, a simulator gone and COMn back at /dev/ttyS(n-1)) is
// said and asked about rather than used.

#include "operation/PortIdentity.h"

#include <functional>
#include <string>

namespace operation {

class ChosenPort {
public:
    using IdentityReader = std::function<PortIdentity(const std::string& portName)>;

    explicit ChosenPort(IdentityReader reader = ReadPortIdentity);

    // Remembers what the name leads to now.
    void Choose(const std::string& name);
    const std::string& Name() const { return name_; }

    // Looks at what the name leads to now. A name that led to no device when chosen takes the
    // first one it leads to.
    PortChange Look();
    // Of the last Look: the status line's text and the question before an operation; empty when
    // nothing changed.
    std::string ChangeText() const;
    std::string Question() const;
    // The user goes on with the device the name leads to now.
    void Accept() { chosen_ = now_; }

private:
    IdentityReader reader_;
    std::string name_;
    PortIdentity chosen_;
    PortIdentity now_;
};

}  // namespace operation
