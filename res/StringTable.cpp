// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/StringTable.h"

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
    {IDS_STARTUP_USAGE, "Usage: probex [FILE]\n"
                        "Reads and writes the EEPROM of a ZAQ device through a K-line adapter.\n"
                        "\n"
                        "  FILE        a 256-byte dump to open at start\n"
                        "  -h, --help  print this help and exit\n"},
    {IDS_STARTUP_UNKNOWN_OPTION, "probex: unknown option %s\nTry 'probex --help'.\n"},
    {IDS_STARTUP_EXTRA_FILE, "probex: one FILE only; %s is one too many\nTry 'probex --help'.\n"},
    {IDS_DUMP_SIZE_DETAIL, "%1 holds %2 byte%3; a dump holds %4."},
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
    return translation ? translation(described) : std::string(described);
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
