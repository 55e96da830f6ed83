// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/FormatText.h"

namespace operation {

std::string FormatPlaces(res::ResourceId id, std::initializer_list<std::string_view> values)
{
    const std::string format = res::LoadString(id);
    std::string text;
    text.reserve(format.size());
    for (std::size_t at = 0; at < format.size(); ++at) {
        std::size_t end = at + 1;
        std::size_t number = 0;
        while (format[at] == '%' && end < format.size() && format[end] >= '0' && format[end] <= '9')
            number = number * 10 + std::size_t(format[end++] - '0');
        if (number >= 1 && number <= values.size()) {
            text += values.begin()[number - 1];
            at = end - 1;
        } else {
            text += format[at];
        }
    }
    return text;
}

}  // namespace operation
