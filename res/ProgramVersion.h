// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The project's version, as CMake's project() names it, and the text of every program's --version.

#include <string>
#include <string_view>

namespace res {

std::string_view ProgramVersion();

// "PROGRAM VERSION", then the copyright and the licence, one line each.
std::string VersionText(std::string_view program);

}  // namespace res
