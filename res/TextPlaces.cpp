// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/TextPlaces.h"

#include <bitset>
#include <string>

namespace res {

namespace {

struct Places {
    std::string conversions;        // printf's, one letter (with its length modifier) each
    std::bitset<10> numbered;       // %1 to %9
    std::bitset<10> pluralEndings;  // numbered places right after a word ("byte%3")
};

bool IsLowerCaseLetter(char c)
{
    return c >= 'a' && c <= 'z';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

Places FindPlaces(std::string_view text)
{
    constexpr std::string_view kFlags = "-+ #0";
    constexpr std::string_view kLengths = "hlqjztL";
    constexpr std::string_view kConversions = "diouxXeEfFgGaAcspn";
    Places places;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        const std::size_t start = i;
        std::size_t at = i + 1;
        if (at < text.size() && text[at] == '%') {
            i = at;
            continue;
        }
        while (at < text.size() && kFlags.find(text[at]) != std::string_view::npos)
            ++at;
        const std::size_t widthStart = at;
        while (at < text.size() && IsDigit(text[at]))
            ++at;
        const std::size_t widthEnd = at;
        if (at < text.size() && text[at] == '.') {
            ++at;
            while (at < text.size() && IsDigit(text[at]))
                ++at;
        }
        std::string conversion;
        while (at < text.size() && kLengths.find(text[at]) != std::string_view::npos)
            conversion += text[at++];
        if (at < text.size() && kConversions.find(text[at]) != std::string_view::npos) {
            places.conversions += conversion + text[at] + ' ';
            i = at;
        } else if (widthStart == start + 1 && widthEnd == widthStart + 1 && text[widthStart] != '0') {
            const auto number = static_cast<std::size_t>(text[widthStart] - '0');
            places.numbered.set(number);
            if (start > 0 && IsLowerCaseLetter(text[start - 1]))
                places.pluralEndings.set(number);
            i = widthStart;
        }
    }
    return places;
}

}  // namespace

bool KeepsPlaces(std::string_view source, std::string_view translation)
{
    const Places expected = FindPlaces(source);
    const Places found = FindPlaces(translation);
    return found.conversions == expected.conversions && (found.numbered & ~expected.numbered).none() &&
           (expected.numbered & ~found.numbered & ~expected.pluralEndings).none();
}

}  // namespace res
