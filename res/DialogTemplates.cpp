// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/DialogTemplate.h"

#include "res/FormIds.h"
#include "res/ProgramVersion.h"

namespace res {

const DialogControl* DialogTemplate::Find(int controlId) const
{
    for (const DialogControl& c : controls) {
        if (c.id == controlId)
            return &c;
    }
    return nullptr;
}

const DialogTemplate& FormTemplate()
{
    static const DialogTemplate form{
        IDD_PROBEX_FORM,
        "",
        "MS Shell Dlg",
        8,
        383,
        229,
        {
            {IDC_DUMP_EDIT,
             ControlKind::Custom,
             "CDumpEdit_SC",
             "Buffer control",
             {10, 15, 363, 167},
             StyleBorder | StyleTabStop | StyleDumpMultiline},
            {IDC_ID_GROUP, ControlKind::GroupBox, "", "", {5, 5, 373, 200}, 0},
            {IDC_READ_ID, ControlKind::PushButton, "", "Чтение ID", {213, 185, 50, 14}, StyleTabStop},
            {IDC_READ, ControlKind::PushButton, "", "Чтение", {268, 185, 50, 14}, StyleTabStop},
            {IDC_WRITE, ControlKind::PushButton, "", "Запись", {323, 185, 50, 14}, StyleTabStop},
            {IDC_PORT_COMBO,
             ControlKind::ComboBox,
             "",
             "",
             {10, 186, 48, 52},
             StyleComboDropDownList | StyleComboSort | StyleVScroll | StyleTabStop},
            {kNoId, ControlKind::Static, "", "Таймаут, S", {68, 188, 61, 8}, StyleGroup},
            {IDC_TIMEOUT_EDIT,
             ControlKind::Edit,
             "",
             "",
             {132, 186, 20, 12},
             StyleBorder | StyleEditCenter | StyleEditAutoHScroll | StyleTabStop},
            // A second row under the group, so the described controls keep their places.
            {IDC_COMPARE, ControlKind::PushButton, "", "Сравнение", {268, 210, 50, 14}, StyleTabStop},
            {IDC_STOP, ControlKind::PushButton, "", "Стоп", {323, 210, 50, 14}, StyleTabStop},
        }};
    return form;
}

const DialogTemplate& AboutTemplate()
{
    static const DialogTemplate about{
        IDD_ABOUTBOX,
        "Инфо",
        "MS Shell Dlg",
        8,
        235,
        55,
        {
            {kNoId, ControlKind::Icon, "", "", {11, 10, 0, 0}, 0},
            {kNoId, ControlKind::Static, "", "Reader ZAQ for K-L adapter", {40, 12, 119, 8}, 0},
            {kNoId, ControlKind::Static, "", "Version " + std::string(ProgramVersion()), {40, 21, 119, 8}, 0},
            {IDOK, ControlKind::DefaultPushButton, "", "ВЫход", {178, 7, 50, 16}, StyleTabStop | StyleGroup},
        }};
    return about;
}

}  // namespace res
