// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace res {

// The language the user asks for, as a lower-case code ("ru", "en", "de"): the first of
// LANGUAGE (a colon-separated list), LC_ALL, LC_MESSAGES and LANG that is set; "en" for none
// and for the C locale. As with gettext, LANGUAGE counts only while the locale is not C, so
// `LC_ALL=C` gives English to a script whatever LANGUAGE says. `variable` reads one variable
// (nullptr when unset).
std::string InterfaceLanguage(const std::function<const char*(const char* name)>& variable);
std::string InterfaceLanguageFromEnvironment();

}  // namespace res
