// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/FrameResources.h"

#include "res/FormIds.h"

namespace res {

const std::vector<MenuItem>& MainMenu()
{
    static const std::vector<MenuItem> menu{
        {"&Фаил",
         0,
         {{"&New\tCtrl+N", ID_FILE_NEW, {}},
          {"&Open...\tCtrl+O", ID_FILE_OPEN, {}},
          {"&Save\tCtrl+S", ID_FILE_SAVE, {}},
          {"Save &As...", ID_FILE_SAVE_AS, {}},
          {"", 0, {}},
          {"Restore from &backup...", ID_FILE_RESTORE_BACKUP, {}},
          {"Compare with &file...", ID_FILE_COMPARE_FILE, {}},
          {"", 0, {}},
          {"E&xit", ID_APP_EXIT, {}}}},
        {"&Правка",
         0,
         {{"&Отменить\tCtrl+Z", ID_EDIT_UNDO, {}},
          {"&Повторить\tCtrl+Y", ID_EDIT_REDO, {}},
          {"", 0, {}},
          {"&Копировать\tCtrl+C", ID_EDIT_COPY, {}},
          {"Вст&авить\tCtrl+V", ID_EDIT_PASTE, {}},
          {"Выделить &всё\tCtrl+A", ID_EDIT_SELECT_ALL, {}},
          {"", 0, {}},
          {"&Найти...\tCtrl+F", ID_EDIT_FIND, {}},
          {"Найти &далее\tF3", ID_EDIT_REPEAT, {}},
          {"Пере&йти к адресу...\tCtrl+G", ID_EDIT_GOTO, {}}}},
        {"&Вид",
         0,
         {{"&Панель", ID_VIEW_TOOLBAR, {}},
          {"&Статус", ID_VIEW_STATUS_BAR, {}},
          {"", 0, {}},
          {"&Проверять запись", ID_VIEW_VERIFY_WRITE, {}},
          {"Писать только &изменённые", ID_VIEW_WRITE_CHANGED, {}},
          {"&Резервная копия перед записью", ID_VIEW_BACKUP_BEFORE_WRITE, {}},
          {"Посылать &кадры целиком", ID_VIEW_WHOLE_FRAMES, {}},
          {"", 0, {}},
          {"&Журнал соединений", ID_VIEW_CONNECTION_LOG, {}}}},
        {"&Инфо",
         0,
         {{"&Check adapter ...", ID_VIEW_CHECK_ADAPTER, {}},
#ifndef _WIN32
          {"&Start simulator", ID_APP_START_SIMULATOR, {}},
#endif
          {"&О читалке...", ID_APP_ABOUT, {}}}},
    };
    return menu;
}

const ToolbarResource& MainToolbar()
{
    static const ToolbarResource toolbar{16, 15, {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_APP_ABOUT}};
    return toolbar;
}

const std::vector<Accelerator>& MainAccelerators()
{
    static const std::vector<Accelerator> table{
        {"Ctrl+N", ID_FILE_NEW},    {"Ctrl+O", ID_FILE_OPEN},        {"Ctrl+S", ID_FILE_SAVE},
        {"Ctrl+Z", ID_EDIT_UNDO},   {"Alt+Backspace", ID_EDIT_UNDO}, {"Ctrl+X", ID_EDIT_CUT},
        {"Shift+Del", ID_EDIT_CUT}, {"Ctrl+C", ID_EDIT_COPY},        {"Ctrl+Ins", ID_EDIT_COPY},
        {"Ctrl+V", ID_EDIT_PASTE},  {"Shift+Ins", ID_EDIT_PASTE},    {"F6", ID_NEXT_PANE},
        {"Shift+F6", ID_PREV_PANE},
    };
    return table;
}

const std::vector<ResourceId>& StatusIndicators()
{
    static const std::vector<ResourceId> indicators{ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                                    ID_INDICATOR_SCRL};
    return indicators;
}

}  // namespace res
