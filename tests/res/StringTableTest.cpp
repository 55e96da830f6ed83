// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/StringTable.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using res::ResourceId;

TEST(StringTable, HoldsEveryMessageWithItsExactText)
{
    const std::vector<std::pair<ResourceId, const char*>> expected = {
        {57344, "Probex"},
        {57345, "Ready"},
        {57600, "Create a new dump\nNew"},
        {57601, "Open an existing dump\nOpen"},
        {57603, "Save the active dump\nSave"},
        {57604, "Save the active dump with a new name\nSave As"},
        {57664, "Display program information, version number and copyright\nAbout"},
        {57665, "Quit the application; prompts to save documents\nExit"},
        {59392, "Show or hide the toolbar\nToggle ToolBar"},
        {59393, "Show or hide the status bar\nToggle StatusBar"},
        {59137, "CAP"},
        {59138, "NUM"},
        {59139, "SCRL"},
        {61204, "Progress"},
        {61205, "%d%% complete"},
        {61206, "Unable to open COM-port"},
        {61207, "Device answer timeout"},
        {61208, "K-line adapter not present or power off or invalid COM port"},
        {61209, "Receive check sum error"},
        {61210, "EEPROM range %02X - %02X will be read.\nAre you sure?"},
        {61211, "EEPROM range %02X - %02X will be overwrite.\nAre you sure?"},
        {61212, "This is a last operation?"},
        {61213, "Wrong file size!"},
        {61214, "EEPROM ID will be read.\nAre you sure?"},
        {61216, "Device refused the request (code %02X)"},
        {61217, "K-line error: a sent byte came back changed"},
        {61699, "Save changes to %1?"},
        {res::IDS_FAILED_TO_OPEN_DOC, "Failed to open document."},
        {res::IDS_FAILED_TO_SAVE_DOC, "Failed to save document."},
        {res::IDS_FAILED_TO_CREATE_DOC, "Failed to create empty document."},
        {res::IDS_PARSE_INT, "Please enter a positive integer."},
        {res::IDS_PARSE_INT_RANGE, "Please enter an integer between %1 and %2."},
        {res::IDS_OPEN_TITLE, "Open"},
        {res::IDS_SAVE_AS_TITLE, "Save As"},
        {res::IDS_ALL_FILES_FILTER, "All Files (*.*)"},
    };
    for (const auto& [id, text] : expected) {
        EXPECT_TRUE(res::HasString(id)) << id;
        EXPECT_EQ(res::LoadString(id), text) << id;
    }
}

TEST(StringTable, UnknownIdsGiveNoText)
{
    for (ResourceId id : {0u, 1u, 57346u, 61215u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(res::HasString(id)) << id;
        EXPECT_EQ(res::LoadString(id), "") << id;
    }
}

TEST(StringTable, DocumentStringFieldsSplitAtLineBreaks)
{
    using Field = res::DocumentStringField;
    EXPECT_EQ(res::DocumentString(Field::WindowTitle), "Probex");
    EXPECT_EQ(res::DocumentString(Field::DocumentName), "No file");
    EXPECT_EQ(res::DocumentString(Field::FileNewName), "Probex");
    EXPECT_EQ(res::DocumentString(Field::FilterName), "");
    EXPECT_EQ(res::DocumentString(Field::FilterExtension), "");
    EXPECT_EQ(res::DocumentString(Field::FileTypeId), "Probex.Document");
    EXPECT_EQ(res::DocumentString(Field::FileTypeName), "Probex.Document");
    EXPECT_EQ(res::DocumentString(static_cast<Field>(7)), "");
}

TEST(StringTable, CommandPromptsSplitIntoStatusTextAndToolTip)
{
    EXPECT_EQ(res::PromptStatusText(res::ID_FILE_SAVE_AS), "Save the active dump with a new name");
    EXPECT_EQ(res::PromptToolTip(res::ID_FILE_SAVE_AS), "Save As");
    EXPECT_EQ(res::PromptStatusText(res::ID_VIEW_STATUS_BAR), "Show or hide the status bar");
    EXPECT_EQ(res::PromptToolTip(res::ID_VIEW_STATUS_BAR), "Toggle StatusBar");
    // A text without a line break has no tool tip.
    EXPECT_EQ(res::PromptStatusText(res::IDS_IDLE_MESSAGE), "Ready");
    EXPECT_EQ(res::PromptToolTip(res::IDS_IDLE_MESSAGE), "");
}

TEST(StringTable, ATranslationThatLosesAPlaceIsNotShown)
{
    res::SetTranslation([](std::string_view described) {
        return described == "Device answer timeout" ? std::string("Таймаут ответа") : std::string("Сбой: %s");
    });
    EXPECT_EQ(res::LoadString(res::IDS_ANSWER_TIMEOUT), "Таймаут ответа");
    EXPECT_EQ(res::LoadString(res::IDS_FAILED_AFTER), "Failed after %.1f s") << "%s would read a double";
    res::SetTranslation(nullptr);
}

}  // namespace
