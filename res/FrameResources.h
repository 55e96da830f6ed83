// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main frame's resource 128: menu, toolbar, accelerators, status-bar indicators.
#include <string>
#include <vector>

#include "res/ResourceIds.h"

namespace res {

struct MenuItem {
    std::string text;  // UTF-8, "&" marks the mnemonic, "\t" precedes the key name; empty: separator
    int command = 0;
    std::vector<MenuItem> popup;  // non-empty for a drop-down menu
};

const std::vector<MenuItem>& MainMenu();

struct ToolbarResource {
    int buttonWidth, buttonHeight;
    std::vector<int> commands;  // 0: separator
};

const ToolbarResource& MainToolbar();

// Keys in the portable key-sequence text form ("Ctrl+N").
struct Accelerator {
    std::string keys;
    int command;
};

const std::vector<Accelerator>& MainAccelerators();

// Pane ids of the status bar: ID_SEPARATOR for the message pane, then the indicators, whose
// texts are their string-table entries.
const std::vector<ResourceId>& StatusIndicators();

}  // namespace res
