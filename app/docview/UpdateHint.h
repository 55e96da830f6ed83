// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace app {

// What a document asks of its views in UpdateAllViews. The layer itself sends only
// kReloadHint (a view's initial update); an application numbers its own hints from
// kFirstApplicationHint on, and a view ignores values it does not know.
using UpdateHint = std::uint32_t;

// Attach to the document's data again.
inline constexpr UpdateHint kReloadHint = 0;
inline constexpr UpdateHint kFirstApplicationHint = 1;

}  // namespace app
