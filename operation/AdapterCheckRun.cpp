// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/AdapterCheckRun.h"

#include "operation/AdapterCheckReport.h"
#include "operation/OpenFailureText.h"

namespace operation {

AdapterCheckOutcome RunAdapterCheck(const std::string& portName, platform::StopHandle stopFd,
                                    platform::SerialBackend& backend)
{
    device::AdapterCheckOptions options;
    options.stopFd = stopFd;
    const device::AdapterCheckResult result = device::CheckAdapter(portName, backend, options);
    AdapterCheckOutcome outcome;
    outcome.verdict = device::VerdictOf(result);
    outcome.report = AdapterCheckReport(result);
    if (outcome.verdict == device::AdapterVerdict::CannotOpen)
        outcome.openFailure = DescribeOpenFailure(result.openFailure);
    return outcome;
}

}  // namespace operation
