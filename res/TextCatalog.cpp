// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/TextCatalog.h"

#include "res/StringTable.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <span>
#include <string>

namespace res {

namespace {

struct CatalogEntry {
    std::string_view source;
    std::string_view translation;
};

struct CatalogLanguage {
    std::string_view code;
    std::span<const CatalogEntry> entries;
};

// Sorted by source text, so a lookup is a binary search.
template <std::size_t N>
constexpr std::array<CatalogEntry, N> Sorted(std::array<CatalogEntry, N> entries)
{
    std::ranges::sort(entries, {}, &CatalogEntry::source);
    return entries;
}

#include "TextCatalogData.inc"

constexpr char kFallbackLanguage[] = "en";

const CatalogLanguage* FindLanguage(std::string_view code)
{
    for (const CatalogLanguage& language : kCatalogLanguages) {
        if (language.code == code)
            return &language;
    }
    return nullptr;
}

std::optional<std::string_view> Find(const CatalogLanguage& language, std::string_view source)
{
    const auto it = std::ranges::lower_bound(language.entries, source, {}, &CatalogEntry::source);
    if (it == language.entries.end() || it->source != source)
        return std::nullopt;
    return it->translation;
}

std::atomic<const CatalogLanguage*> g_language{nullptr};

std::string TranslateFromCatalog(std::string_view source)
{
    const CatalogLanguage* language = g_language;
    const std::optional<std::string_view> text = language ? Find(*language, source) : std::nullopt;
    return std::string(text.value_or(source));
}

}  // namespace

std::optional<std::string_view> CatalogText(std::string_view language, std::string_view source)
{
    const CatalogLanguage* found = FindLanguage(language);
    return found ? Find(*found, source) : std::nullopt;
}

std::vector<std::string_view> CatalogLanguages()
{
    std::vector<std::string_view> codes;
    codes.reserve(std::size(kCatalogLanguages));
    for (const CatalogLanguage& language : kCatalogLanguages)
        codes.push_back(language.code);
    std::ranges::sort(codes);
    return codes;
}

void UseCatalog(std::string_view language)
{
    const CatalogLanguage* found = FindLanguage(language);
    g_language = found ? found : FindLanguage(kFallbackLanguage);
    SetTranslation(TranslateFromCatalog);
}

}  // namespace res
