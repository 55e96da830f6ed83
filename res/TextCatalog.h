// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The string table's texts in the languages of res/translations/probex_<language>.ts, compiled in
// at build time for the front end without Qt; the window reads the same files through Qt.

#include <optional>
#include <string_view>
#include <vector>

namespace res {

// The language's translation of a text of the string table, a menu or a form (the "res" context);
// nullopt when the language has no translation file, or shows this text as it is.
std::optional<std::string_view> CatalogText(std::string_view language, std::string_view source);

// The languages with a translation file, in the order of their codes.
std::vector<std::string_view> CatalogLanguages();

// From now on LoadString gives the language's texts; a language without a translation file gets
// English's, as the window does.
void UseCatalog(std::string_view language);

}  // namespace res
