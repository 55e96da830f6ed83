// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Folder and file names put together and taken apart as text, without touching the disk.

#include <string>

namespace platform {

// The folder part of a path: "." for a bare name, "/" for a name in the root.
std::string FolderOf(const std::string& path);
// `name` inside `folder`, without a doubled slash after the root.
std::string InFolder(const std::string& folder, const std::string& name);

// A name as a message shows it on a terminal: each control character (C0, DEL, and C1 in its
// UTF-8 form) as \xHH, so that a name cannot move the cursor or recolour the screen. Other
// bytes, UTF-8 letters included, stay as they are.
std::string PrintableName(const std::string& name);

}  // namespace platform
