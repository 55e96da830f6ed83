// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/StringTable.h"

#include "res/CliHelpText.h"
#include "res/TextPlaces.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <utility>

namespace res {
namespace {

struct Entry {
    ResourceId id;
    std::string_view text;
};

// Sorted by id, so a lookup is a binary search.
constexpr auto kStrings = std::to_array<Entry>({
    {IDR_MAINFRAME, "Probex\nNo file\nProbex\n\n\nProbex.Document\nProbex.Document"},
    {ID_VIEW_VERIFY_WRITE, "Read every written byte back and compare it with the dump\nVerify after write"},
    {ID_VIEW_WRITE_CHANGED, "Write only the bytes that differ from the device's\nWrite only changed bytes"},
    {ID_VIEW_CONNECTION_LOG, "Show the trace of the last connections\nConnection log"},
    {ID_VIEW_CHECK_ADAPTER,
     "Examine the K-line adapter on the chosen port without waking the device\nCheck adapter"},
    {ID_EDIT_GOTO, "Move the caret to a byte given by its address\nGo to"},
    {ID_VIEW_WHOLE_FRAMES,
     "Send each request frame at once and check its echoes after it: much faster through a USB "
     "adapter\nSend whole frames"},
    {ID_FILE_RESTORE_BACKUP, "Open a backup of a device's EEPROM as a new dump\nRestore from backup"},
    {ID_VIEW_BACKUP_BEFORE_WRITE,
     "Store the device's whole EEPROM before the first write to it in this run\nBackup before write"},
    {ID_APP_START_SIMULATOR, "Start a simulated adapter with a ZAQ device behind it, on a copy of the "
                             "demonstration EEPROM image\nStart simulator"},
    {IDS_APP_TITLE, "Probex"},
    {IDS_IDLE_MESSAGE, "Ready"},
    {ID_FILE_NEW, "Create a new dump\nNew"},
    {ID_FILE_OPEN, "Open an existing dump\nOpen"},
    {ID_FILE_SAVE, "Save the active dump\nSave"},
    {ID_FILE_SAVE_AS, "Save the active dump with a new name\nSave As"},
    {ID_EDIT_COPY, "Copy the selected bytes to the clipboard\nCopy"},
    {ID_EDIT_FIND, "Find bytes given in hex or as text\nFind"},
    {ID_EDIT_PASTE, "Put the clipboard's bytes over the dump from the caret on\nPaste"},
    {ID_EDIT_REPEAT, "Find the next place of the same bytes\nFind next"},
    {ID_EDIT_SELECT_ALL, "Select the whole dump\nSelect all"},
    {ID_EDIT_UNDO, "Undo the last change\nUndo"},
    {ID_EDIT_REDO, "Redo the change last undone\nRedo"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    {IDS_PROGRESS, "Progress"},
    {IDS_PERCENT_COMPLETE, "%d%% complete"},
    {IDS_PORT_ERROR, "Unable to open COM-port"},
    {IDS_ANSWER_TIMEOUT, "Device answer timeout"},
    {IDS_NO_ADAPTER, "K-line adapter not present or power off or invalid COM port"},
    {IDS_CHECKSUM_ERROR, "Receive check sum error"},
    {IDS_CONFIRM_READ_RANGE, "EEPROM range %02X - %02X will be read.\nAre you sure?"},
    {IDS_CONFIRM_WRITE_RANGE, "EEPROM range %02X - %02X will be overwrite.\nAre you sure?"},
    {IDS_LAST_OPERATION, "This is a last operation?"},
    {IDS_WRONG_FILE_SIZE, "Wrong file size!"},
    {IDS_CONFIRM_READ_ID, "EEPROM ID will be read.\nAre you sure?"},
    {IDS_DEVICE_REFUSED, "Device refused the request (code %02X)"},
    {IDS_LINE_ERROR, "K-line error: a sent byte came back changed"},
    {IDS_STOPPED, "Stopped; the device connection was closed cleanly"},
    {IDS_CONFIRM_COMPARE_RANGE, "EEPROM range %02X - %02X will be compared with the dump.\nAre you sure?"},
    {IDS_SHORT_ANSWER, "Device answer too short"},
    {IDS_CONFIRM_WRITE_CHANGED,
     "Bytes of %02X - %02X that differ from the device will be written.\nAre you sure?"},
    {IDS_DONE_READ_ID, "ID read in %.1f s"},
    {IDS_DONE_READ, "Read %u byte%s in %.1f s"},
    {IDS_DONE_WRITE, "Wrote %u byte%s in %.1f s"},
    {IDS_FAILED_AFTER, "Failed after %.1f s"},
    {IDS_WRITTEN_NONE, "No byte was written."},
    {IDS_WRITTEN_PART, "Bytes %02X - %02X were written, %02X - %02X were not."},
    {IDS_READ_NONE, "No byte was read; the dump keeps its values."},
    {IDS_READ_PART, "Bytes %02X - %02X were read, %02X - %02X keep their values."},
    {IDS_STOPPED_AFTER, "Stopped after %.1f s"},
    {IDS_WRITTEN_RUNS, "Bytes %s were written, %s were not."},
    {IDS_WRITTEN_ALL, "Bytes %s were written; reading them back did not finish."},
    {IDS_VERIFY_DIFFERENCE, "0x%02X: wrote %02X, read %02X"},
    {IDS_BYTES_DIFFER, "%u bytes differ: %s"},
    {IDS_ONE_BYTE_DIFFERS, "1 byte differs: %s"},
    {IDS_NO_BYTE_DIFFERS, "No byte differs (%u compared)"},
    {IDS_WRITTEN_CHANGED, "Wrote %u of %u bytes; the others already held the dump's values"},
    {IDS_WRITTEN_LIST, "Bytes %s were written."},
    {IDS_NOT_WRITTEN_LIST, "Bytes %s were not written."},
    {IDS_WRITE_UNCERTAIN, "Byte %s may or may not have been written."},
    {IDS_DONE_VERIFIED, "Written and verified: %s (%.1f s)"},
    {IDS_DONE_CHANGED, "Wrote %u changed byte%s of %u (%.1f s)"},
    {IDS_DONE_CHANGED_VERIFIED, "Wrote and verified %u changed byte%s of %u (%.1f s)"},
    {IDS_VERIFY_FAILED, "Verify after write found %u byte%s different from the dump:"},
    {IDS_MORE_DIFFERENCES, "... and %u more."},
    {IDS_TIMED, "%s - %.1f s"},
    {IDS_VERIFY_FAILED_STATUS, "Verify: %u byte%s differ%s: %s (%.1f s)"},
    {IDS_PASS_READING, "Reading %d %%"},
    {IDS_PASS_WRITING, "Writing %d %%"},
    {IDS_PASS_VERIFYING, "Verifying %d %%"},
    {IDS_PASS_READING_FIRST, "Reading the device first %d %%"},
    {IDS_PASS_COMPARING, "Comparing %d %%"},
    {IDS_FAILED_AT, "%s at 0x%02X after %.1f s"},
    {IDS_FAILED_CAUSE, "%s after %.1f s"},
    {IDS_STOPPED_COMPARE, "Stopped after %.1f s. %s"},
    {IDS_COMPARED_SO_FAR, "Bytes %s were compared: %s"},
    {IDS_COMPARED_NONE, "No byte was compared."},
    {IDS_BACKUP_NOT_STORED, "Nothing was written: the EEPROM backup could not be stored"},
    {IDS_BACKUP_STORED, "Backup: %s"},
    {IDS_BACKUP_REASON, "Backup not stored: %s"},
    {IDS_WITHOUT_BACKUP, "%s, without a backup"},
    {IDS_BACKUP_PROGRESS, "Backing up %d %%"},
    {IDS_RESTORE_TITLE, "Restore from backup"},
    {IDS_BACKUP_FILTER, "EEPROM backups (*.bin);;All Files (*.*)"},
    {IDS_SAVE_CHANGES, "Save changes to %1?"},
    {IDS_FAILED_TO_OPEN_DOC, "Failed to open document."},
    {IDS_FAILED_TO_SAVE_DOC, "Failed to save document."},
    {IDS_FAILED_TO_CREATE_DOC, "Failed to create empty document."},
    {IDS_PARSE_INT, "Please enter a positive integer."},
    {IDS_PARSE_INT_RANGE, "Please enter an integer between %1 and %2."},
    {IDS_DEVICE_BUSY, "A device operation is running.\nPlease wait until it ends."},
    {IDS_OPEN_TITLE, "Open"},
    {IDS_SAVE_AS_TITLE, "Save As"},
    {IDS_ALL_FILES_FILTER, "All Files (*.*)"},
    {IDS_FILE_OPEN_REASON, "Failed to open %1: %2."},
    {IDS_FILE_SAVE_REASON, "Failed to save %1: %2."},
    {IDS_CLOSE_WHILE_BUSY, "A device operation is running. Stop it and close?"},
    {IDS_CONNECTION_LOG_TITLE, "Connection log"},
    {IDS_COPY_BUTTON, "Copy"},
    {IDS_SAVE_BUTTON, "Save..."},
    {IDS_ADAPTER_CHECK_TITLE, "Adapter check"},
    {IDS_ADAPTER_CHECKING, "Checking the adapter on %1 ..."},
    {IDS_NO_PORTS, "No serial port found: plug the K-line adapter in, then open the port list"},
    {IDS_PORT_BUSY, "busy"},
    {IDS_PORT_NO_ACCESS, "no access"},
    {IDS_OFFER_SIMULATOR, "No serial adapter found. Start a simulated adapter with a ZAQ device behind it, "
                          "holding a demonstration EEPROM image, to try the program?\n\nIt stops when the "
                          "window closes. This question is not asked again."},
    {IDS_SIMULATOR_STARTED,
     "No serial adapter found: %1 is a simulated adapter and ZAQ device, its EEPROM image %2"},
    {IDS_SIMULATOR_FAILED, "The simulated adapter did not start: %1"},
    {IDS_ONLY_BUILT_IN_PORTS, "No USB or ACM serial adapter found, only built-in ports: plug the K-line "
                              "adapter in, then open the port list"},
    {IDS_COM_NAMES_TAKEN, "%1: COM1 to COM%2 are all taken"},
    {IDS_LOG_FILE_FAILED, "(the log file %s cannot be written: %s; the connections are kept here only)"},
    {IDS_STARTUP_USAGE, "Usage: probex [FILE]\n"
                        "       probex --version\n"
                        "Reads and writes the EEPROM of a ZAQ device through a K-line adapter.\n"
                        "\n"
                        "  FILE           a 256-byte dump to open at start\n"
                        "  -h, --help     print this help and exit\n"
                        "      --version  print the version, the copyright and the licence, and exit\n"},
    {IDS_STARTUP_UNKNOWN_OPTION, "probex: unknown option %s\nTry 'probex --help'.\n"},
    {IDS_STARTUP_EXTRA_FILE, "probex: one FILE only; %s is one too many\nTry 'probex --help'.\n"},
    {IDS_DUMP_SIZE_DETAIL, "%1 holds %2 byte%3; a dump holds %4."},
    {IDS_OPEN_REASON, "%s: %s."},
    {IDS_OPEN_NOT_A_NAME, "%s: not a port name: give COMn or a device path (/dev/ttyUSB0)."},
    {IDS_OPEN_NO_SUCH_PORT,
     "%s: no such port: the port map %s has no %s; link it there to the adapter's device, "
     "or remove the folder to make COMn /dev/ttyS(n-1)."},
    {IDS_OPEN_OWNER_ONLY,
     "Only the device's owner may open it; a udev rule (GROUP=\"dialout\", MODE=\"0660\") "
     "lets the group dialout in."},
    {IDS_OPEN_JOINED_SINCE_LOGIN,
     "Your user is in the group %s, but this session began before it joined: log out and in again."},
    {IDS_OPEN_NO_PERMISSION,
     "Your user may not open serial ports: add it to the group %s (sudo usermod -aG %s "
     "\"$USER\"), then log out and in again."},
    {IDS_OPEN_MISSING, "The device is not there: the adapter is unplugged, or the port name is wrong."},
    {IDS_OPEN_BUSY, "Another program holds the port (a terminal program, a modem manager, another Probex): "
                    "close it and try again."},
    {IDS_OPEN_NOT_SERIAL,
     "This is not a serial port: choose the adapter's port (/dev/ttyUSB0, /dev/ttyACM0, ...)."},
    {IDS_CHECK_PORT, "Port: %s"},
    {IDS_CHECK_ADAPTER, "Adapter: %s"},
    {IDS_CHECK_DRIVER, "Driver: %s"},
    {IDS_CHECK_STABLE_NAME, "Stable name: /dev/serial/by-id/%s"},
    {IDS_CHECK_NOT_OPENED, "Opened: no: %s"},
    {IDS_CHECK_OPENED_EXCLUSIVELY, "Opened: exclusively (a second open is refused)"},
    {IDS_CHECK_OPENED_SHARED, "Opened: not exclusively"},
    {IDS_CHECK_LATENCY, "Latency timer: %s"},
    {IDS_CHECK_WAKE_UP_FORMAT, "Wake-up format"},
    {IDS_CHECK_FRAME_FORMAT, "Frame format"},
    {IDS_CHECK_VERDICT, "Verdict: %s"},
    {IDS_CHECK_HINTS, "Hints:"},
    {IDS_CHECK_FORMAT_HEAD, "%s (%s): "},
    {IDS_CHECK_FORMAT_REFUSED, "refused by the driver"},
    {IDS_CHECK_FORMAT_SET, "set; read back %u baud, %s\n  echoes: %u of %u"},
    {IDS_CHECK_ECHOES_SENT, " (%u sent)"},
    {IDS_CHECK_ECHOES_CHANGED, ", %u changed"},
    {IDS_CHECK_ROUND_TRIP, "; round trip min %s, median %s, max %s"},
    {IDS_CHECK_MS, "%.1f ms"},
    {IDS_CHECK_WHOLE_MS, "%u ms"},
    {IDS_CHECK_FORMAT_NAME, "%u baud, %s"},
    {IDS_PARITY_NONE, "no parity"},
    {IDS_PARITY_ODD, "odd parity"},
    {IDS_PARITY_EVEN, "even parity"},
    {IDS_PARITY_MARK, "mark parity"},
    {IDS_PARITY_SPACE, "space parity"},
    {IDS_PARITY_OTHER, "parity %u"},
    {IDS_CHECK_PSEUDO_TERMINAL, "pseudo-terminal (no USB device behind it)"},
    {IDS_CHECK_NOT_USB, "not a USB device"},
    {IDS_CHECK_UNKNOWN_DEVICE, "unknown to the system"},
    {IDS_CHECK_USB_DEVICE, "USB device"},
    {IDS_CHECK_USB_IDS, ", USB %s:%s"},
    {IDS_CHECK_USB_SERIAL, ", serial %s"},
    {IDS_CHECK_NO_LATENCY_TIMER, "none (the driver has no latency timer)"},
    {IDS_CHECK_LOW_LATENCY, "; low latency: %s"},
    {IDS_CHECK_ON, "on"},
    {IDS_CHECK_OFF, "off"},
    {IDS_CHECK_LOW_LATENCY_NOT_OFFERED, "not offered by the driver"},
    {IDS_VERDICT_ECHOES, "the adapter echoes at both formats."},
    {IDS_VERDICT_ECHO_FAULTY, "the adapter echoes, but not every byte came back as sent."},
    {IDS_VERDICT_NO_ECHO,
     "no echo at one format or both: the device cannot be reached through this adapter."},
    {IDS_VERDICT_CANNOT_OPEN, "the port cannot be opened."},
    {IDS_HINT_STOPPED, "the check was stopped before it ended: what it found so far is incomplete"},
    {IDS_HINT_NO_WAKE_FORMAT, "the driver refused %s: the device cannot be woken through it"},
    {IDS_HINT_NO_FRAME_FORMAT, "the driver refused %s: no frame can be sent through it"},
    {IDS_HINT_NO_ECHO,
     "no echo: the adapter is not powered (it takes power from the diagnostic socket) or not "
     "a K-line adapter"},
    {IDS_HINT_NO_ECHO_AT, "no echo at %s: the adapter does not pass this format on to the line"},
    {IDS_HINT_ECHOES_MISSING, "%u of %u echoes missing at %s: a loose contact or a weak supply"},
    {IDS_HINT_ECHOES_CHANGED,
     "%u echoes came back changed at %s: a noisy line or a speed the adapter cannot make"},
    {IDS_HINT_BAUD_OFF,
     "the driver runs %u baud instead of %u (%.1f%% off): the device may not understand it"},
    {IDS_HINT_PARITY_KEPT,
     "the driver keeps %s instead of %s: its chip cannot make this format, and the wake-up "
     "pulse comes out wrong"},
    {IDS_HINT_LATENCY,
     "latency timer %s: every byte waits %s; a whole EEPROM takes that much longer. Set it to 1 "
     "ms: echo 1 | sudo tee %s (a udev rule keeps it across plugging in)"},
    {IDS_HINT_NOT_EXCLUSIVE,
     "the port is not held exclusively: another program may write to it during a transfer"},
    {IDS_CLI_HELP, kCliHelpText},
    {IDS_CLI_EXIT_STATUS, "Exit status:\n"
                          "  0   success\n"},
    {IDS_CLI_EXIT_STATUS_END,
     "  8   the written bytes read back, or the compared range, differ from FILE\n"
     "  9   %1\n"
     "  11  %4\n"
     "  64  wrong usage\n"
     "  65  FILE cannot be read or written, or is not %3 bytes long (\"%2\"),\n"
     "      or a write's backup could not be stored (nothing was written)\n"
     "  74  the ID text, a result or the backups' list could not be written to stdout, or the\n"
     "      trace to its file\n"
     "  130  stopped by SIGINT, SIGTERM, SIGHUP or SIGQUIT\n"},
    {IDS_CLI_ERROR, "probex-cli: %s"},
    {IDS_CLI_USAGE_ERROR, "probex-cli: %s\nTry 'probex-cli --help'."},
    {IDS_CLI_DEVICE_ERROR, "Device error"},
    {IDS_CLI_NO_PORTS, "probex-cli: no serial port found"},
    {IDS_CLI_LIST_LOST, "probex-cli: the list could not be written to standard output"},
    {IDS_CLI_ID_LOST, "probex-cli: the ID text could not be written to standard output"},
    {IDS_CLI_RESULT_LOST, "probex-cli: the result could not be written to standard output"},
    {IDS_CLI_NEEDS_VALUE, "%s needs a value"},
    {IDS_CLI_BAD_RANGE, "--range takes FIRST-LAST in hex, 00 to FF, with FIRST not above LAST"},
    {IDS_CLI_BAD_BYTE_GAP, "--byte-gap takes 0 to %u milliseconds"},
    {IDS_CLI_UNKNOWN_OPTION, "unknown option %s"},
    {IDS_CLI_NO_COMMAND, "no command given"},
    {IDS_CLI_UNKNOWN_COMMAND, "unknown command %s"},
    {IDS_CLI_NEEDS_FILE, "%s needs exactly one FILE"},
    {IDS_CLI_TAKES_NO_FILE, "%s takes no FILE"},
    {IDS_CLI_WRITE_ONLY, "%s goes with write only"},
    {IDS_CLI_RANGE_ONLY, "--range goes with read, write and compare only"},
    {IDS_CLI_BYTE_GAP_ONLY, "--byte-gap goes with --frames only"},
    {IDS_CLI_WAKE_ONLY, "--wake goes with check only"},
    {IDS_CLI_PORTS_OPTIONS, "ports takes no --port, --timeout, --trace, --frames or --last"},
    {IDS_CLI_BACKUPS_OPTIONS, "backups takes --timeout, --trace, --frames and --last only with --port"},
    {IDS_CLI_CHECK_OPTIONS, "check takes --timeout, --trace, --frames and --last only with --wake"},
    {IDS_CLI_PORT_REQUIRED, "--port is required"},
    {IDS_CLI_CANNOT_READ, "cannot read %s: %s"},
    {IDS_CLI_CANNOT_WRITE, "cannot write %s: %s"},
    {IDS_CLI_CANNOT_REPLACE, "cannot replace %s: %s"},
    {IDS_CLI_NO_NEW_FILE, "cannot write %s: no new file can be made in %s: %s"},
    {IDS_CLI_CURRENT_FOLDER, "the current folder"},
    {IDS_CLI_NOT_REGULAR, "%s: not a regular file"},
    {IDS_CLI_TRACE_IS_FILE, "cannot write the trace to %s: it is FILE"},
    {IDS_CLI_TRACE_NOT_REGULAR, "cannot write the trace to %s: not a regular file"},
    {IDS_CLI_TRACE_CANNOT, "cannot write the trace to %s: %s"},
    {IDS_CLI_TRACE_LOST, "the trace could not be written to %s: %s"},
    {IDS_CONNECT_ADAPTER_GUIDE,
     "No serial adapter found. Plug the K-line adapter into a USB port: once its driver is installed, Device "
     "Manager lists it under \"Ports (COM & LPT)\" as a COM port (\"USB Serial Port (COM3)\"). Then open the "
     "port list and choose that port.\n\nThere is no simulated adapter on Windows. This message is not shown "
     "again."},
    {IDS_UNEXPECTED_ANSWER, "Device answered another request"},
    {IDS_CHECK_FORMAT_SET_UNREAD, "set; the driver tells nothing back\n  echoes: %u of %u"},
    {IDS_CHECK_READ_BACK_NOTE,
     "Read back: the driver's record of each format; it shows what the driver made of the request, "
     "not whether a USB adapter's chip took it (a refusal shows in the kernel log, and as echoes "
     "missing or changed)"},
    {IDS_FILE_NOT_REGULAR, "not a regular file"},
    {IDS_FILE_IS_LINK, "a symbolic link, which is not followed"},
    {IDS_CLI_REPEATED_OPTION, "%s is given more than once"},
    {IDS_STEP_OPENING, "the opening of the port"},
    {IDS_STEP_PULSE, "the wake-up pulse %d"},
    {IDS_STEP_START, "the connection start"},
    {IDS_STEP_IDENTIFY, "the identification"},
    {IDS_STEP_READ, "the read of 0x%02X"},
    {IDS_STEP_WRITE, "step %d of 4 of the write of 0x%02X"},
    {IDS_STEP_STOP, "the connection stop"},
    {IDS_STEP_TRAILER, "the trailer"},
    {IDS_STEP_BACKUP_READ, "the backup's read of 0x%02X"},
    {IDS_STEP_VERIFY_READ, "the verify's read of 0x%02X"},
    {IDS_STEP_CHANGED_READ, "the read of 0x%02X that finds the changed bytes"},
    {IDS_SENT_BYTE, "byte %d sent in %s"},
    {IDS_ANSWER_BYTE, "byte %d of the answer in %s"},
    {IDS_DETAIL_NO_ECHO, "Waited %.1f s for the echo of %s; it did not come."},
    {IDS_DETAIL_ECHOED_BEFORE, "The adapter had echoed %u byte%s of this connection before it."},
    {IDS_DETAIL_ECHOED_NONE, "Nothing was echoed in this connection."},
    {IDS_DETAIL_PORT_GONE,
     "The port went away at %s (%s): the adapter was unplugged or its connection to the computer broke."},
    {IDS_DETAIL_CHANGED_ECHO, "The echo of %s came back changed."},
    {IDS_DETAIL_TIMEOUT, "Waited %.1f s for %s; it did not come."},
    {IDS_DETAIL_CHECKSUM, "The answer in %s had a wrong checksum."},
    {IDS_DETAIL_REFUSED, "The device refused %s."},
    {IDS_DETAIL_SHORT, "The answer in %s was too short."},
    {IDS_DETAIL_IN, "It happened in %s."},
    {IDS_DETAIL_OTHER_ANSWER, "The answer in %s was the answer to another request."},
    {ID_FILE_COMPARE_FILE, "Mark the bytes of the dump that differ from a file\nCompare with file"},
    {IDS_COMPARE_FILE_TITLE, "Compare with file"},
    {IDS_DUMP_FILTER, "Dumps (*.bin);;All Files (*.*)"},
    {IDS_COMPARED_WITH_FILE, "Compared with %s: %s"},
    {IDS_CLI_DIFF_FILES, "diff needs exactly two files, FILE1 and FILE2"},
    {IDS_CLI_DIFF_OPTIONS, "diff takes no options"},
    {IDS_PORT_LEADS_ELSEWHERE, "%s now leads to %s, not to %s as when it was chosen"},
    {IDS_PORT_LEADS_NOWHERE, "%s leads to no device now; it led to %s when it was chosen"},
    {IDS_PORT_GO_ON, "Go on with %s all the same?"},
    {IDS_PASS_WAKING, "Waking the device"},
    {IDS_NEW_DUMP_FILE_NAME, "dump.bin"},
    {IDS_SIMULATOR_RUNS, "%1 is a simulated adapter and ZAQ device, its EEPROM image %2"},
});

static_assert(std::ranges::is_sorted(kStrings, {}, &Entry::id), "string table must stay sorted by id");

const Entry* Find(ResourceId id)
{
    const auto it = std::ranges::lower_bound(kStrings, id, {}, &Entry::id);
    return it != kStrings.end() && it->id == id ? &*it : nullptr;
}

// Field `index` of a text whose fields are separated by line breaks.
std::string Field(std::string_view text, std::size_t index)
{
    for (; index > 0; --index) {
        const auto lineBreak = text.find('\n');
        if (lineBreak == std::string_view::npos)
            return {};
        text.remove_prefix(lineBreak + 1);
    }
    return std::string(text.substr(0, text.find('\n')));
}

std::atomic<Translation> g_translation{nullptr};

}  // namespace

std::string LoadString(ResourceId id)
{
    const Entry* entry = Find(id);
    return entry ? Localize(entry->text) : std::string();
}

std::string LoadUntranslatedString(ResourceId id)
{
    const Entry* entry = Find(id);
    return entry ? std::string(entry->text) : std::string();
}

bool HasString(ResourceId id)
{
    return Find(id) != nullptr;
}

std::vector<ResourceId> StringIds()
{
    std::vector<ResourceId> ids;
    ids.reserve(kStrings.size());
    for (const Entry& entry : kStrings)
        ids.push_back(entry.id);
    return ids;
}

void SetTranslation(Translation translation)
{
    g_translation = translation;
}

std::string Localize(std::string_view described)
{
    const Translation translation = g_translation;
    if (!translation)
        return std::string(described);
    // A translation that lost or reordered a place would have printf read the wrong values.
    std::string text = translation(described);
    return KeepsPlaces(described, text) ? text : std::string(described);
}

std::string DocumentString(DocumentStringField field)
{
    return Field(LoadString(IDR_MAINFRAME), static_cast<std::size_t>(field));
}

std::string PromptStatusText(ResourceId commandId)
{
    return Field(LoadString(commandId), 0);
}

std::string PromptToolTip(ResourceId commandId)
{
    return Field(LoadString(commandId), 1);
}

}  // namespace res
