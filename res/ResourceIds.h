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
// The Info menu's start of the simulated adapter (not on Windows, which has no simulator).
inline constexpr ResourceId ID_APP_START_SIMULATOR = 32830;

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
inline constexpr ResourceId IDS_COM_NAMES_TAKEN = 61726;  // %1 the port map, %2 the last COM number
inline constexpr ResourceId IDS_LOG_FILE_FAILED = 61727;  // %s the file, %s the reason

// The window program's command line (printf formats: %s the argument).
inline constexpr ResourceId IDS_STARTUP_USAGE = 61740;
inline constexpr ResourceId IDS_STARTUP_UNKNOWN_OPTION = 61741;
inline constexpr ResourceId IDS_STARTUP_EXTRA_FILE = 61742;

// Beside "Wrong file size!": %1 the file's name, %2 its size, %3 the plural's ending, %4 a dump's size.
inline constexpr ResourceId IDS_DUMP_SIZE_DETAIL = 61745;

// A port that did not open: where, the system's reason and the remedy (printf formats).
inline constexpr ResourceId IDS_OPEN_REASON = 61750;        // %s the port, %s the system's text
inline constexpr ResourceId IDS_OPEN_NOT_A_NAME = 61751;    // %s the name
inline constexpr ResourceId IDS_OPEN_NO_SUCH_PORT = 61752;  // %s the name, %s the port map, %s the name
inline constexpr ResourceId IDS_OPEN_OWNER_ONLY = 61753;
inline constexpr ResourceId IDS_OPEN_JOINED_SINCE_LOGIN = 61754;  // %s the group
inline constexpr ResourceId IDS_OPEN_NO_PERMISSION = 61755;       // %s the group, twice
inline constexpr ResourceId IDS_OPEN_MISSING = 61756;
inline constexpr ResourceId IDS_OPEN_BUSY = 61757;
inline constexpr ResourceId IDS_OPEN_NOT_SERIAL = 61758;

// The adapter check's report (printf formats).
inline constexpr ResourceId IDS_CHECK_PORT = 61760;
inline constexpr ResourceId IDS_CHECK_ADAPTER = 61761;
inline constexpr ResourceId IDS_CHECK_DRIVER = 61762;
inline constexpr ResourceId IDS_CHECK_STABLE_NAME = 61763;
inline constexpr ResourceId IDS_CHECK_NOT_OPENED = 61764;
inline constexpr ResourceId IDS_CHECK_OPENED_EXCLUSIVELY = 61765;
inline constexpr ResourceId IDS_CHECK_OPENED_SHARED = 61766;
inline constexpr ResourceId IDS_CHECK_LATENCY = 61767;
inline constexpr ResourceId IDS_CHECK_WAKE_UP_FORMAT = 61768;
inline constexpr ResourceId IDS_CHECK_FRAME_FORMAT = 61769;
inline constexpr ResourceId IDS_CHECK_VERDICT = 61770;
inline constexpr ResourceId IDS_CHECK_HINTS = 61771;
inline constexpr ResourceId IDS_CHECK_FORMAT_HEAD = 61772;  // %s the title, %s the format
inline constexpr ResourceId IDS_CHECK_FORMAT_REFUSED = 61773;
inline constexpr ResourceId IDS_CHECK_FORMAT_SET = 61774;
inline constexpr ResourceId IDS_CHECK_ECHOES_SENT = 61775;
inline constexpr ResourceId IDS_CHECK_ECHOES_CHANGED = 61776;
inline constexpr ResourceId IDS_CHECK_ROUND_TRIP = 61777;
inline constexpr ResourceId IDS_CHECK_MS = 61778;
inline constexpr ResourceId IDS_CHECK_WHOLE_MS = 61779;
inline constexpr ResourceId IDS_CHECK_FORMAT_NAME = 61780;  // %u the baud rate, %s the parity
inline constexpr ResourceId IDS_PARITY_NONE = 61781;
inline constexpr ResourceId IDS_PARITY_ODD = 61782;
inline constexpr ResourceId IDS_PARITY_EVEN = 61783;
inline constexpr ResourceId IDS_PARITY_MARK = 61784;
inline constexpr ResourceId IDS_PARITY_SPACE = 61785;
inline constexpr ResourceId IDS_PARITY_OTHER = 61786;
inline constexpr ResourceId IDS_CHECK_PSEUDO_TERMINAL = 61787;
inline constexpr ResourceId IDS_CHECK_NOT_USB = 61788;
inline constexpr ResourceId IDS_CHECK_UNKNOWN_DEVICE = 61789;
inline constexpr ResourceId IDS_CHECK_USB_DEVICE = 61790;
inline constexpr ResourceId IDS_CHECK_USB_IDS = 61791;
inline constexpr ResourceId IDS_CHECK_USB_SERIAL = 61792;
inline constexpr ResourceId IDS_CHECK_NO_LATENCY_TIMER = 61793;
inline constexpr ResourceId IDS_CHECK_LOW_LATENCY = 61794;
inline constexpr ResourceId IDS_CHECK_ON = 61795;
inline constexpr ResourceId IDS_CHECK_OFF = 61796;
inline constexpr ResourceId IDS_CHECK_LOW_LATENCY_NOT_OFFERED = 61797;
inline constexpr ResourceId IDS_VERDICT_ECHOES = 61798;
inline constexpr ResourceId IDS_VERDICT_ECHO_FAULTY = 61799;
inline constexpr ResourceId IDS_VERDICT_NO_ECHO = 61800;
inline constexpr ResourceId IDS_VERDICT_CANNOT_OPEN = 61801;
inline constexpr ResourceId IDS_HINT_STOPPED = 61802;
inline constexpr ResourceId IDS_HINT_NO_WAKE_FORMAT = 61803;
inline constexpr ResourceId IDS_HINT_NO_FRAME_FORMAT = 61804;
inline constexpr ResourceId IDS_HINT_NO_ECHO = 61805;
inline constexpr ResourceId IDS_HINT_NO_ECHO_AT = 61806;
inline constexpr ResourceId IDS_HINT_ECHOES_MISSING = 61807;
inline constexpr ResourceId IDS_HINT_ECHOES_CHANGED = 61808;
inline constexpr ResourceId IDS_HINT_BAUD_OFF = 61809;
inline constexpr ResourceId IDS_HINT_PARITY_KEPT = 61810;
inline constexpr ResourceId IDS_HINT_LATENCY = 61811;
inline constexpr ResourceId IDS_HINT_NOT_EXCLUSIVE = 61812;

// The command-line client: its help (numbered places %1, %2, ... filled from the constants), its
// usage errors and its messages (printf formats).
inline constexpr ResourceId IDS_CLI_HELP = 61820;
inline constexpr ResourceId IDS_CLI_EXIT_STATUS = 61821;
inline constexpr ResourceId IDS_CLI_EXIT_STATUS_END = 61822;
inline constexpr ResourceId IDS_CLI_ERROR = 61823;
inline constexpr ResourceId IDS_CLI_USAGE_ERROR = 61824;
inline constexpr ResourceId IDS_CLI_DEVICE_ERROR = 61825;
inline constexpr ResourceId IDS_CLI_NO_PORTS = 61826;
inline constexpr ResourceId IDS_CLI_LIST_LOST = 61827;
inline constexpr ResourceId IDS_CLI_ID_LOST = 61828;
inline constexpr ResourceId IDS_CLI_RESULT_LOST = 61829;
inline constexpr ResourceId IDS_CLI_NEEDS_VALUE = 61830;
inline constexpr ResourceId IDS_CLI_BAD_RANGE = 61831;
inline constexpr ResourceId IDS_CLI_BAD_BYTE_GAP = 61832;
inline constexpr ResourceId IDS_CLI_UNKNOWN_OPTION = 61833;
inline constexpr ResourceId IDS_CLI_NO_COMMAND = 61834;
inline constexpr ResourceId IDS_CLI_UNKNOWN_COMMAND = 61835;
inline constexpr ResourceId IDS_CLI_NEEDS_FILE = 61836;
inline constexpr ResourceId IDS_CLI_TAKES_NO_FILE = 61837;
inline constexpr ResourceId IDS_CLI_WRITE_ONLY = 61838;
inline constexpr ResourceId IDS_CLI_RANGE_ONLY = 61839;
inline constexpr ResourceId IDS_CLI_BYTE_GAP_ONLY = 61840;
inline constexpr ResourceId IDS_CLI_WAKE_ONLY = 61841;
inline constexpr ResourceId IDS_CLI_PORTS_OPTIONS = 61842;
inline constexpr ResourceId IDS_CLI_BACKUPS_OPTIONS = 61843;
inline constexpr ResourceId IDS_CLI_CHECK_OPTIONS = 61844;
inline constexpr ResourceId IDS_CLI_PORT_REQUIRED = 61845;
inline constexpr ResourceId IDS_CLI_CANNOT_READ = 61846;
inline constexpr ResourceId IDS_CLI_CANNOT_WRITE = 61847;
inline constexpr ResourceId IDS_CLI_CANNOT_REPLACE = 61848;
inline constexpr ResourceId IDS_CLI_NO_NEW_FILE = 61849;
inline constexpr ResourceId IDS_CLI_CURRENT_FOLDER = 61850;
inline constexpr ResourceId IDS_CLI_NOT_REGULAR = 61851;
inline constexpr ResourceId IDS_CLI_TRACE_IS_FILE = 61852;
inline constexpr ResourceId IDS_CLI_TRACE_NOT_REGULAR = 61853;
inline constexpr ResourceId IDS_CLI_TRACE_CANNOT = 61854;
inline constexpr ResourceId IDS_CLI_TRACE_LOST = 61855;
// Where no simulated adapter can run, the first start without an adapter says how to connect one.
inline constexpr ResourceId IDS_CONNECT_ADAPTER_GUIDE = 61900;
inline constexpr ResourceId IDS_FILE_NOT_REGULAR = 61960;
inline constexpr ResourceId IDS_FILE_IS_LINK = 61961;
inline constexpr ResourceId IDS_CLI_REPEATED_OPTION = 61962;  // %s the option

// An answer that belongs to another request; what the adapter check's read-back shows.
inline constexpr ResourceId IDS_UNEXPECTED_ANSWER = 61940;
inline constexpr ResourceId IDS_CHECK_FORMAT_SET_UNREAD = 61941;  // like IDS_CHECK_FORMAT_SET
inline constexpr ResourceId IDS_CHECK_READ_BACK_NOTE = 61942;

// What happened where, under a failed operation's message: the step of the connection, the byte
// sent or awaited (printf formats).
inline constexpr ResourceId IDS_STEP_OPENING = 62000;
inline constexpr ResourceId IDS_STEP_PULSE = 62001;
inline constexpr ResourceId IDS_STEP_START = 62002;
inline constexpr ResourceId IDS_STEP_IDENTIFY = 62003;
inline constexpr ResourceId IDS_STEP_READ = 62004;
inline constexpr ResourceId IDS_STEP_WRITE = 62005;
inline constexpr ResourceId IDS_STEP_STOP = 62006;
inline constexpr ResourceId IDS_STEP_TRAILER = 62007;
inline constexpr ResourceId IDS_STEP_BACKUP_READ = 62008;
inline constexpr ResourceId IDS_STEP_VERIFY_READ = 62009;
inline constexpr ResourceId IDS_STEP_CHANGED_READ = 62010;
inline constexpr ResourceId IDS_SENT_BYTE = 62011;
inline constexpr ResourceId IDS_ANSWER_BYTE = 62012;
inline constexpr ResourceId IDS_DETAIL_NO_ECHO = 62013;
inline constexpr ResourceId IDS_DETAIL_ECHOED_BEFORE = 62014;
inline constexpr ResourceId IDS_DETAIL_ECHOED_NONE = 62015;
inline constexpr ResourceId IDS_DETAIL_PORT_GONE = 62016;
inline constexpr ResourceId IDS_DETAIL_CHANGED_ECHO = 62017;
inline constexpr ResourceId IDS_DETAIL_TIMEOUT = 62018;
inline constexpr ResourceId IDS_DETAIL_CHECKSUM = 62019;
inline constexpr ResourceId IDS_DETAIL_REFUSED = 62020;
inline constexpr ResourceId IDS_DETAIL_SHORT = 62021;
inline constexpr ResourceId IDS_DETAIL_IN = 62022;
inline constexpr ResourceId IDS_DETAIL_OTHER_ANSWER = 62023;

// File "Compare with file...": its command, dialog and status line; probex-cli diff.
inline constexpr ResourceId ID_FILE_COMPARE_FILE = 62030;
inline constexpr ResourceId IDS_COMPARE_FILE_TITLE = 62031;
inline constexpr ResourceId IDS_DUMP_FILTER = 62032;
inline constexpr ResourceId IDS_COMPARED_WITH_FILE = 62033;
inline constexpr ResourceId IDS_CLI_DIFF_FILES = 62034;
inline constexpr ResourceId IDS_CLI_DIFF_OPTIONS = 62035;

// The chosen port's device, the wake-up, new dumps' files (62040-62079).
inline constexpr ResourceId IDS_PORT_LEADS_ELSEWHERE = 62040;  // %s the name, %s now, %s then
inline constexpr ResourceId IDS_PORT_LEADS_NOWHERE = 62041;    // %s the name, %s then
inline constexpr ResourceId IDS_PORT_GO_ON = 62042;            // %s the name
inline constexpr ResourceId IDS_PASS_WAKING = 62043;
inline constexpr ResourceId IDS_NEW_DUMP_FILE_NAME = 62044;
inline constexpr ResourceId IDS_SIMULATOR_RUNS = 62046;  // %1 the COM name, %2 the image

}  // namespace res
