// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog and form templates as data: positions in dialog units, converted to pixels by app/.
#include <cstdint>
#include <string>
#include <vector>

namespace res {

enum class ControlKind {
    Custom,
    GroupBox,
    PushButton,
    DefaultPushButton,
    ComboBox,
    Static,
    Edit,
    Icon
};

// Styles that matter on this platform; the Win32 bits they stand for are kept as the values.
enum ControlStyle : std::uint32_t {
    StyleTabStop = 0x00010000,
    StyleGroup = 0x00020000,
    StyleBorder = 0x00800000,
    StyleVScroll = 0x00200000,
    StyleComboDropDownList = 0x0003,
    StyleComboSort = 0x0100,
    StyleEditCenter = 0x0001,
    StyleEditAutoHScroll = 0x0080,
    StyleDumpMultiline = 0x0004,
};

struct DlgRect {
    int x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogControl {
    int id;  // -1: no id
    ControlKind kind;
    std::string className;  // only for ControlKind::Custom
    std::string text;       // UTF-8
    DlgRect rect;
    std::uint32_t style;
};

struct DialogTemplate {
    int id;
    std::string caption;
    std::string fontName;
    int pointSize;
    int cx, cy;
    std::vector<DialogControl> controls;  // template order, which is also the tab order

    const DialogControl* Find(int controlId) const;
};

inline constexpr int kNoId = -1;

const DialogTemplate& FormTemplate();   // form 101, the main view
const DialogTemplate& AboutTemplate();  // dialog 100

}  // namespace res
