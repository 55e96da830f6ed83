// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace dumpedit {

// A byte range an undo or redo rewrote: [first, first + count).
struct EditSpan {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
    friend bool operator==(const EditSpan&, const EditSpan&) = default;
};

// Undo and redo of overwrites in a fixed-size buffer. A step keeps the bytes before and after
// it, so undo and redo never depend on anything but the buffer they were recorded on.
//
// Digits typed into neighbouring bytes join one step until the group is closed (any caret move
// of its own, a paste, undo, redo, a save). The history remembers which step count matches the
// saved contents, so the owner can tell whether undo or redo led back to them.
class DumpHistory {
public:
    // Enough for well over 1000 steps that each rewrite a whole 256-byte dump.
    static constexpr size_t kDefaultBudget = size_t{1} << 20;

    // Oldest steps go once the steps together hold more than `budgetBytes`.
    explicit DumpHistory(size_t budgetBytes = kDefaultBudget);

    // A typed digit changed the byte at `pos` from `before` to `after`.
    void RecordTyping(std::uint32_t pos, std::uint8_t before, std::uint8_t after);
    // An overwrite of before.size() bytes from `pos` (after.size() must be the same), one step.
    void RecordOverwrite(std::uint32_t pos, const std::vector<std::uint8_t>& before,
                         const std::vector<std::uint8_t>& after);
    // The next typed digit starts a step of its own.
    void CloseGroup() { groupOpen_ = false; }

    bool CanUndo() const { return applied_ > 0; }
    bool CanRedo() const { return applied_ < steps_.size(); }
    // Writes the step's old bytes back into `buffer` (of `size` bytes); nothing when there is
    // nothing to undo or the step does not fit the buffer.
    std::optional<EditSpan> Undo(std::uint8_t* buffer, std::uint32_t size);
    std::optional<EditSpan> Redo(std::uint8_t* buffer, std::uint32_t size);

    // Forgets every step. `atSaved`: the buffer now holds the saved contents.
    void Clear(bool atSaved);
    // The buffer now holds the saved contents.
    void MarkSaved();
    // Whether the buffer holds the contents last saved, as far as the steps can tell.
    bool IsAtSaved() const { return saved_ && *saved_ == dropped_ + applied_; }

    size_t StepCount() const { return steps_.size(); }
    size_t BytesHeld() const { return held_; }

private:
    struct Step {
        std::uint32_t pos = 0;
        std::vector<std::uint8_t> before;
        std::vector<std::uint8_t> after;
        bool typing = false;
    };

    static size_t Cost(const Step& step);
    void Push(Step step);
    void DropRedo();
    void Trim();

    size_t budget_;
    std::deque<Step> steps_;
    size_t applied_ = 0;  // steps_[0, applied_) are in the buffer
    size_t dropped_ = 0;  // steps forgotten from the front, so step numbers stay absolute
    std::optional<size_t> saved_ = 0;
    size_t held_ = 0;
    bool groupOpen_ = false;
};

}  // namespace dumpedit
