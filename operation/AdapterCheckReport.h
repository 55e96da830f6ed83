// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The adapter check's findings as text: what was found, the verdict, and hints on what to do.
#include "device/AdapterCheck.h"

#include <string>
#include <vector>

namespace operation {

std::string VerdictText(device::AdapterVerdict verdict);

// What the findings suggest doing, most pressing first; empty when all is well.
std::vector<std::string> AdapterCheckHints(const device::AdapterCheckResult& result);

// The whole report, one finding a line, ending with the verdict and the hints.
std::string AdapterCheckReport(const device::AdapterCheckResult& result);

}  // namespace operation
