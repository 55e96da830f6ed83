// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

#include "dumpedit/core/DumpByteStates.h"
#include "dumpedit/core/DumpHistory.h"

using namespace dumpedit;

namespace {

// A 256-byte dump with its history, edited the way the editor edits it.
struct Dump {
    std::array<std::uint8_t, 256> bytes{};
    DumpHistory history;

    explicit Dump(size_t budget = DumpHistory::kDefaultBudget) : history(budget)
    {
        std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    }
    void Type(std::uint32_t pos, std::uint8_t value)
    {
        history.RecordTyping(pos, bytes[pos], value);
        bytes[pos] = value;
    }
    void Paste(std::uint32_t pos, std::vector<std::uint8_t> data)
    {
        const std::vector<std::uint8_t> before(bytes.begin() + pos, bytes.begin() + pos + data.size());
        std::copy(data.begin(), data.end(), bytes.begin() + pos);
        history.RecordOverwrite(pos, before, data);
    }
    std::optional<EditSpan> Undo() { return history.Undo(bytes.data(), 256); }
    std::optional<EditSpan> Redo() { return history.Redo(bytes.data(), 256); }
};

}  // namespace

TEST(DumpHistory, DigitsIntoNeighbouringBytesUndoAsOneStep)
{
    Dump d;
    const auto original = d.bytes;
    // "3c4" from byte 5: two digits into byte 5, one into byte 6.
    d.Type(5, 0x35);
    d.Type(5, 0x3C);
    d.Type(6, 0x46);
    EXPECT_EQ(d.history.StepCount(), 1u);
    EXPECT_EQ(d.Undo(), (EditSpan{5, 2}));
    EXPECT_EQ(d.bytes, original);
    EXPECT_FALSE(d.history.CanUndo());
    EXPECT_EQ(d.Redo(), (EditSpan{5, 2}));
    EXPECT_EQ(d.bytes[5], 0x3C);
    EXPECT_EQ(d.bytes[6], 0x46);
}

TEST(DumpHistory, ACaretMoveAGapOrAPasteStartsANewStep)
{
    Dump d;
    d.Type(5, 0x11);
    d.history.CloseGroup();  // the caret moved by itself
    d.Type(6, 0x22);
    d.Type(8, 0x33);  // not a neighbour
    d.Paste(9, {0xAA, 0xBB});
    d.Type(11, 0x44);  // typing after a paste
    EXPECT_EQ(d.history.StepCount(), 5u);
    EXPECT_EQ(d.Undo(), (EditSpan{11, 1}));
    EXPECT_EQ(d.Undo(), (EditSpan{9, 2}));  // the whole paste
    EXPECT_EQ(d.bytes[9], 9);
    EXPECT_EQ(d.bytes[10], 10);
    EXPECT_EQ(d.Undo(), (EditSpan{8, 1}));
    EXPECT_EQ(d.Undo(), (EditSpan{6, 1}));
    EXPECT_EQ(d.Undo(), (EditSpan{5, 1}));
    EXPECT_EQ(d.Undo(), std::nullopt);
}

TEST(DumpHistory, AnEditAfterUndoDropsTheRedoSteps)
{
    Dump d;
    d.Paste(0, {1, 2});
    d.Paste(4, {3});
    d.Undo();
    EXPECT_TRUE(d.history.CanRedo());
    d.Type(20, 0x55);
    EXPECT_FALSE(d.history.CanRedo());
    EXPECT_EQ(d.Redo(), std::nullopt);
    EXPECT_EQ(d.bytes[4], 4);
    // Undo right after undo never merges with the older typing step.
    d.Undo();
    d.Type(21, 0x66);
    d.Undo();
    EXPECT_EQ(d.bytes[21], 21);
    EXPECT_EQ(d.bytes[20], 20);
}

TEST(DumpHistory, UndoBackToTheSavedStateIsRecognisedAndRedoLeavesIt)
{
    Dump d;
    EXPECT_TRUE(d.history.IsAtSaved());  // as attached
    d.Type(1, 0x10);
    EXPECT_FALSE(d.history.IsAtSaved());
    d.Undo();
    EXPECT_TRUE(d.history.IsAtSaved());
    d.Redo();
    EXPECT_FALSE(d.history.IsAtSaved());

    // Saved in the middle of typing: the digits after the save are a step of their own, so
    // undo stops at the saved bytes.
    d.history.MarkSaved();
    EXPECT_TRUE(d.history.IsAtSaved());
    d.Type(2, 0x20);
    d.Undo();
    EXPECT_TRUE(d.history.IsAtSaved());
    EXPECT_EQ(d.bytes[1], 0x10);
    d.Undo();
    EXPECT_FALSE(d.history.IsAtSaved());
    d.Redo();
    EXPECT_TRUE(d.history.IsAtSaved());

    // Undo past the save, then a new edit: the saved state can never come back.
    d.Undo();
    d.Paste(50, {9});
    d.Undo();
    EXPECT_FALSE(d.history.IsAtSaved());
    EXPECT_FALSE(d.history.CanUndo());

    d.history.Clear(false);
    EXPECT_FALSE(d.history.IsAtSaved());
    d.history.Clear(true);
    EXPECT_TRUE(d.history.IsAtSaved());
}

TEST(DumpHistory, MemoryIsBoundedAndKeepsAThousandWholeDumpSteps)
{
    Dump d;
    std::vector<std::uint8_t> whole(256);
    for (int i = 0; i < 3000; ++i) {
        std::fill(whole.begin(), whole.end(), static_cast<std::uint8_t>(i));
        d.Paste(0, whole);
    }
    EXPECT_LE(d.history.BytesHeld(), DumpHistory::kDefaultBudget);
    EXPECT_GE(d.history.StepCount(), 1000u);
    EXPECT_LT(d.history.StepCount(), 3000u);
    size_t undone = 0;
    while (d.Undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, d.history.StepCount());
    // The oldest kept step restores what the step before it (now forgotten) wrote.
    EXPECT_EQ(d.bytes[0], static_cast<std::uint8_t>(3000 - undone - 1));
}

TEST(DumpHistory, ForgettingTheSavedStateFromTheFrontMakesItUnreachable)
{
    Dump d(DumpHistory::kDefaultBudget / 1024);  // room for a few steps only
    d.Type(0, 0x99);
    d.history.CloseGroup();
    for (int i = 0; i < 200; ++i) {
        d.Paste(10, {static_cast<std::uint8_t>(i)});
    }
    while (d.Undo()) {}
    EXPECT_FALSE(d.history.IsAtSaved());
    EXPECT_EQ(d.bytes[0], 0x99);  // that step is gone, its bytes stay
}

TEST(DumpByteStates, UnchangedChangedAndDiffering)
{
    std::array<std::uint8_t, 8> bytes{1, 2, 3, 4, 5, 6, 7, 8};
    DumpByteStates states;
    states.Reset(bytes.data(), 8);
    bytes[1] = 0x22;
    bytes[2] = 0x33;
    states.SetDifferences({false, false, true, true});
    EXPECT_EQ(states.StateOf(0, bytes[0]), ByteState::Unchanged);
    EXPECT_EQ(states.StateOf(1, bytes[1]), ByteState::Changed);
    EXPECT_EQ(states.StateOf(2, bytes[2]), ByteState::Differs);  // a difference wins
    EXPECT_EQ(states.StateOf(3, bytes[3]), ByteState::Differs);
    EXPECT_EQ(states.StateOf(7, bytes[7]), ByteState::Unchanged);  // beyond the short list
    EXPECT_EQ(states.StateOf(100, 0), ByteState::Unchanged);       // beyond the reference

    // Writing the old value back makes it unchanged again.
    bytes[1] = 2;
    EXPECT_EQ(states.StateOf(1, bytes[1]), ByteState::Unchanged);

    // A partial read takes only its bytes, the last one included, as the new reference.
    bytes[1] = 0x22;
    bytes[5] = 0x66;
    bytes[6] = 0x77;
    states.Accept(bytes.data(), 4, 5);
    EXPECT_EQ(states.StateOf(1, bytes[1]), ByteState::Changed);
    EXPECT_EQ(states.StateOf(5, bytes[5]), ByteState::Unchanged);
    EXPECT_EQ(states.StateOf(6, bytes[6]), ByteState::Changed);
    states.Accept(bytes.data(), 6, 100);  // an end beyond the reference is cut
    EXPECT_EQ(states.StateOf(6, bytes[6]), ByteState::Unchanged);

    // A new reference (a save) keeps the differences; only clearing them drops them.
    states.Reset(bytes.data(), 8);
    EXPECT_EQ(states.StateOf(1, bytes[1]), ByteState::Unchanged);
    EXPECT_EQ(states.StateOf(2, bytes[2]), ByteState::Differs);
    states.ClearDifferences();
    EXPECT_EQ(states.StateOf(2, bytes[2]), ByteState::Unchanged);
}
