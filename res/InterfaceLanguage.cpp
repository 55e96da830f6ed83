// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/InterfaceLanguage.h"

#include <cstdlib>
#include <string_view>

namespace res {

namespace {

constexpr char kFallbackLanguage[] = "en";

// "de_AT.UTF-8@euro" -> "de"; "" for the C locale.
std::string LanguageCode(std::string_view locale)
{
    const std::size_t end = locale.find_first_of("_.@");
    std::string code(locale.substr(0, end));
    for (char& c : code)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return code == "c" || code == "posix" ? std::string() : code;
}

}  // namespace

std::string InterfaceLanguage(const std::function<const char*(const char* name)>& variable)
{
    std::string localeCode;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = variable(name); value && *value) {
            localeCode = LanguageCode(value);
            break;
        }
    }
    if (localeCode.empty())
        return kFallbackLanguage;
    if (const char* list = variable("LANGUAGE"); list && *list) {
        std::string_view rest(list);
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            if (std::string code = LanguageCode(rest.substr(0, colon)); !code.empty())
                return code;
            rest.remove_prefix(colon == std::string_view::npos ? rest.size() : colon + 1);
        }
    }
    return localeCode;
}

std::string InterfaceLanguageFromEnvironment()
{
    return InterfaceLanguage([](const char* name) { return std::getenv(name); });
}

}  // namespace res
