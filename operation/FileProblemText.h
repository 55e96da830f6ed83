// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a file could not be opened, in the user's words.

#include <string>
#include <system_error>

namespace operation {

// The refusals of platform::OpenRegularFile from the string table; anything else in the
// system's own words.
std::string FileProblemText(const std::error_code& error);

}  // namespace operation
