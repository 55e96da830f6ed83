// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TestSimulator.h"

#include <gtest/gtest.h>

namespace testsupport {

zaqsim::SimOptions ZeroGapSimOptions(zaqsim::SimOptions options)
{
    options.minGap1Ms = 0;
    options.minGap2Ms = 0;
    return options;
}

std::unique_ptr<zaqsim::Simulator> StartSimulator(zaqsim::SimOptions options)
{
    auto sim = std::make_unique<zaqsim::Simulator>(std::move(options));
    std::string error;
    if (!sim->Start(error))
        ADD_FAILURE() << "simulator: " << error;
    return sim;
}

}  // namespace testsupport
