// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Resource ids shared by the string table, menus, toolbar, accelerators and forms.
// Grouped by kind; each group keeps its numbers in ascending order.

#include <cstdint>

namespace res {

using ResourceId = std::uint32_t;

// Main frame: document string, menu, toolbar, accelerators and icon share this id.
inline constexpr ResourceId IDR_MAINFRAME = 128;

// Application texts.
inline constexpr ResourceId IDS_APP_TITLE = 57344;
inline constexpr ResourceId IDS_IDLE_MESSAGE = 57345;

// Commands; their string-table entries are the prompt texts ("status text\ntool tip").
inline constexpr ResourceId ID_FILE_NEW = 57600;
inline constexpr ResourceId ID_FILE_OPEN = 57601;
inline constexpr ResourceId ID_FILE_SAVE = 57603;
inline constexpr ResourceId ID_FILE_SAVE_AS = 57604;
inline constexpr ResourceId ID_EDIT_COPY = 57634;
inline constexpr ResourceId ID_EDIT_CUT = 57635;
inline constexpr ResourceId ID_EDIT_FIND = 57636;
inline constexpr ResourceId ID_EDIT_PASTE = 57637;
inline constexpr ResourceId ID_EDIT_REPEAT = 57640;
inline constexpr ResourceId ID_EDIT_SELECT_ALL = 57642;
inline constexpr ResourceId ID_EDIT_UNDO = 57643;
inline constexpr ResourceId ID_EDIT_REDO = 57644;
inline constexpr ResourceId ID_APP_ABOUT = 57664;
inline constexpr ResourceId ID_APP_EXIT = 57665;
inline constexpr ResourceId ID_NEXT_PANE = 57680;
inline constexpr ResourceId ID_PREV_PANE = 57681;
inline constexpr ResourceId ID_VIEW_TOOLBAR = 59392;
inline constexpr ResourceId ID_VIEW_STATUS_BAR = 59393;
// Write options of the View menu.
inline constexpr ResourceId ID_VIEW_VERIFY_WRITE = 32771;
inline constexpr ResourceId ID_VIEW_WRITE_CHANGED = 32772;
inline constexpr ResourceId ID_VIEW_CONNECTION_LOG = 32773;
// The adapter check of the Info menu.
inline constexpr ResourceId ID_VIEW_CHECK_ADAPTER = 32774;
// How requests go out: each frame at once, its echoes checked after it.
inline constexpr ResourceId ID_VIEW_WHOLE_FRAMES = 32800;
// Go to an address in the dump (Edit menu).
inline constexpr ResourceId ID_EDIT_GOTO = 32790;
// Backups: the File menu's restore, the View menu's option.
inline constexpr ResourceId ID_FILE_RESTORE_BACKUP = 32810;
inline constexpr ResourceId ID_VIEW_BACKUP_BEFORE_WRITE = 32811;

// Status-bar indicators.
inline constexpr ResourceId ID_INDICATOR_CAPS = 59137;
inline constexpr ResourceId ID_INDICATOR_NUM = 59138;
inline constexpr ResourceId ID_INDICATOR_SCRL = 59139;

// Messages of the program.
inline constexpr ResourceId IDS_PROGRESS = 61204;
inline constexpr ResourceId IDS_PERCENT_COMPLETE = 61205;
inline constexpr ResourceId IDS_PORT_ERROR = 61206;
inline constexpr ResourceId IDS_ANSWER_TIMEOUT = 61207;
inline constexpr ResourceId IDS_NO_ADAPTER = 61208;
inline constexpr ResourceId IDS_CHECKSUM_ERROR = 61209;
inline constexpr ResourceId IDS_CONFIRM_READ_RANGE = 61210;
inline constexpr ResourceId IDS_CONFIRM_WRITE_RANGE = 61211;
inline constexpr ResourceId IDS_LAST_OPERATION = 61212;
inline constexpr ResourceId IDS_WRONG_FILE_SIZE = 61213;
inline constexpr ResourceId IDS_CONFIRM_READ_ID = 61214;
inline constexpr ResourceId IDS_DEVICE_REFUSED = 61216;  // printf format: the reason code
inline constexpr ResourceId IDS_LINE_ERROR = 61217;
inline constexpr ResourceId IDS_STOPPED = 61218;
inline constexpr ResourceId IDS_CONFIRM_COMPARE_RANGE = 61219;
inline constexpr ResourceId IDS_SHORT_ANSWER = 61220;
inline constexpr ResourceId IDS_CONFIRM_WRITE_CHANGED = 61221;

// What an operation did, for the status bar and the error box (printf formats).
inline constexpr ResourceId IDS_DONE_READ_ID = 61230;
inline constexpr ResourceId IDS_DONE_READ = 61231;
inline constexpr ResourceId IDS_DONE_WRITE = 61232;
inline constexpr ResourceId IDS_FAILED_AFTER = 61233;
inline constexpr ResourceId IDS_WRITTEN_NONE = 61234;
inline constexpr ResourceId IDS_WRITTEN_PART = 61235;
inline constexpr ResourceId IDS_READ_NONE = 61236;
inline constexpr ResourceId IDS_READ_PART = 61237;
inline constexpr ResourceId IDS_STOPPED_AFTER = 61238;

// Safe writing: which addresses a write did, and what a verify or compare found (printf formats;
// %s is a list of addresses).
inline constexpr ResourceId IDS_WRITTEN_RUNS = 61240;
inline constexpr ResourceId IDS_WRITTEN_ALL = 61241;
inline constexpr ResourceId IDS_VERIFY_DIFFERENCE = 61242;
inline constexpr ResourceId IDS_BYTES_DIFFER = 61243;
inline constexpr ResourceId IDS_ONE_BYTE_DIFFERS = 61244;
inline constexpr ResourceId IDS_NO_BYTE_DIFFERS = 61245;
inline constexpr ResourceId IDS_WRITTEN_CHANGED = 61246;
inline constexpr ResourceId IDS_WRITTEN_LIST = 61247;
inline constexpr ResourceId IDS_NOT_WRITTEN_LIST = 61248;
inline constexpr ResourceId IDS_WRITE_UNCERTAIN = 61249;
inline constexpr ResourceId IDS_DONE_VERIFIED = 61250;
inline constexpr ResourceId IDS_DONE_CHANGED = 61251;
inline constexpr ResourceId IDS_DONE_CHANGED_VERIFIED = 61252;
inline constexpr ResourceId IDS_VERIFY_FAILED = 61253;
inline constexpr ResourceId IDS_MORE_DIFFERENCES = 61254;
inline constexpr ResourceId IDS_TIMED = 61255;
inline constexpr ResourceId IDS_VERIFY_FAILED_STATUS = 61256;

// Which pass runs and how far it got (printf formats: %d the percentage).
inline constexpr ResourceId IDS_PASS_READING = 61260;
inline constexpr ResourceId IDS_PASS_WRITING = 61261;
inline constexpr ResourceId IDS_PASS_VERIFYING = 61262;
inline constexpr ResourceId IDS_PASS_READING_FIRST = 61263;
inline constexpr ResourceId IDS_PASS_COMPARING = 61264;
// How an operation ended early: the cause, where and when; what a compare found until then; the
// port that did not open (printf formats).
inline constexpr ResourceId IDS_FAILED_AT = 61265;
inline constexpr ResourceId IDS_FAILED_CAUSE = 61266;
inline constexpr ResourceId IDS_STOPPED_COMPARE = 61267;
inline constexpr ResourceId IDS_COMPARED_SO_FAR = 61268;
inline constexpr ResourceId IDS_COMPARED_NONE = 61269;

// Backups before a write (printf formats).
inline constexpr ResourceId IDS_BACKUP_NOT_STORED = 61290;
inline constexpr ResourceId IDS_BACKUP_STORED = 61291;   // %s the file
inline constexpr ResourceId IDS_BACKUP_REASON = 61292;   // %s the file or folder and the reason
inline constexpr ResourceId IDS_WITHOUT_BACKUP = 61293;  // %s the outcome line
inline constexpr ResourceId IDS_BACKUP_PROGRESS = 61294;
inline constexpr ResourceId IDS_RESTORE_TITLE = 61295;
inline constexpr ResourceId IDS_BACKUP_FILTER = 61296;

// Document framework texts.
inline constexpr ResourceId IDS_SAVE_CHANGES = 61699;
inline constexpr ResourceId IDS_FAILED_TO_OPEN_DOC = 61700;
inline constexpr ResourceId IDS_FAILED_TO_SAVE_DOC = 61701;
inline constexpr ResourceId IDS_FAILED_TO_CREATE_DOC = 61702;
inline constexpr ResourceId IDS_PARSE_INT = 61703;
inline constexpr ResourceId IDS_PARSE_INT_RANGE = 61704;
inline constexpr ResourceId IDS_DEVICE_BUSY = 61705;
inline constexpr ResourceId IDS_OPEN_TITLE = 61706;
inline constexpr ResourceId IDS_SAVE_AS_TITLE = 61707;
inline constexpr ResourceId IDS_ALL_FILES_FILTER = 61708;
inline constexpr ResourceId IDS_FILE_OPEN_REASON = 61709;  // %1 the path, %2 the reason
inline constexpr ResourceId IDS_FILE_SAVE_REASON = 61710;
inline constexpr ResourceId IDS_CLOSE_WHILE_BUSY = 61711;
inline constexpr ResourceId IDS_CONNECTION_LOG_TITLE = 61714;
inline constexpr ResourceId IDS_COPY_BUTTON = 61715;
inline constexpr ResourceId IDS_SAVE_BUTTON = 61716;
inline constexpr ResourceId IDS_ADAPTER_CHECK_TITLE = 61717;
inline constexpr ResourceId IDS_ADAPTER_CHECKING = 61718;  // %1 the port
inline constexpr ResourceId IDS_NO_PORTS = 61719;
inline constexpr ResourceId IDS_PORT_BUSY = 61720;
inline constexpr ResourceId IDS_PORT_NO_ACCESS = 61721;
inline constexpr ResourceId IDS_OFFER_SIMULATOR = 61722;
inline constexpr ResourceId IDS_SIMULATOR_STARTED = 61723;  // %1 the COM name, %2 the image
inline constexpr ResourceId IDS_SIMULATOR_FAILED = 61724;   // %1 the reason
inline constexpr ResourceId IDS_ONLY_BUILT_IN_PORTS = 61725;

// The window program's command line (printf formats: %s the argument).
inline constexpr ResourceId IDS_STARTUP_USAGE = 61740;
inline constexpr ResourceId IDS_STARTUP_UNKNOWN_OPTION = 61741;
inline constexpr ResourceId IDS_STARTUP_EXTRA_FILE = 61742;

// Beside "Wrong file size!": %1 the file's name, %2 its size, %3 the plural's ending, %4 a dump's size.
inline constexpr ResourceId IDS_DUMP_SIZE_DETAIL = 61745;

}  // namespace res
