// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace res {

// Whether a translation keeps the format places of its source text, so the values a caller fills
// in land where they belong and printf never reads a value of the wrong type:
// - printf's places ("%s", "%02X", "%.1f") with the same conversions in the same order; flags,
//   width and precision may differ ("%.0s" swallows an English plural ending);
// - numbered places ("%1", "%2") in any order, each of the source's; one right after a letter
//   in lower case ("byte%3", not "COM%2") is an English plural ending and may be left out.
bool KeepsPlaces(std::string_view source, std::string_view translation);

}  // namespace res
