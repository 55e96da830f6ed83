// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpHistory.h"

#include <algorithm>

namespace dumpedit {

DumpHistory::DumpHistory(size_t budgetBytes) : budget_(budgetBytes) {}

size_t DumpHistory::Cost(const Step& step)
{
    return sizeof(Step) + step.before.size() + step.after.size();
}

void DumpHistory::DropRedo()
{
    // A new edit after undo: the undone steps can never come back, nor the saved state if it
    // lay among them.
    while (steps_.size() > applied_) {
        held_ -= Cost(steps_.back());
        steps_.pop_back();
    }
    if (saved_ && *saved_ > dropped_ + applied_) {
        saved_.reset();
    }
}

void DumpHistory::Trim()
{
    // The newest step always stays, however large.
    while (held_ > budget_ && steps_.size() > 1) {
        held_ -= Cost(steps_.front());
        steps_.pop_front();
        --applied_;
        ++dropped_;
        if (saved_ && *saved_ < dropped_) {
            saved_.reset();
        }
    }
}

void DumpHistory::Push(Step step)
{
    DropRedo();
    held_ += Cost(step);
    steps_.push_back(std::move(step));
    ++applied_;
    Trim();
}

void DumpHistory::RecordTyping(std::uint32_t pos, std::uint8_t before, std::uint8_t after)
{
    DropRedo();
    // Merging into the step that ends at the saved state would make that state unreachable.
    const bool savedHere = saved_ && *saved_ == dropped_ + applied_;
    if (groupOpen_ && !savedHere && !steps_.empty()) {
        Step& top = steps_.back();
        const std::uint64_t end = std::uint64_t{top.pos} + top.after.size();
        if (top.typing && pos >= top.pos && pos <= end) {
            if (pos == end) {
                top.before.push_back(before);
                top.after.push_back(after);
                held_ += 2;
                Trim();
            } else {
                top.after[pos - top.pos] = after;
            }
            return;
        }
    }
    Push(Step{pos, {before}, {after}, true});
    groupOpen_ = true;
}

void DumpHistory::RecordOverwrite(std::uint32_t pos, const std::vector<std::uint8_t>& before,
                                  const std::vector<std::uint8_t>& after)
{
    if (before.empty() || before.size() != after.size()) {
        return;
    }
    Push(Step{pos, before, after, false});
    groupOpen_ = false;
}

std::optional<EditSpan> DumpHistory::Undo(std::uint8_t* buffer, std::uint32_t size)
{
    groupOpen_ = false;
    if (!CanUndo() || buffer == nullptr) {
        return std::nullopt;
    }
    const Step& step = steps_[applied_ - 1];
    if (std::uint64_t{step.pos} + step.before.size() > size) {
        return std::nullopt;
    }
    std::copy(step.before.begin(), step.before.end(), buffer + step.pos);
    --applied_;
    return EditSpan{step.pos, static_cast<std::uint32_t>(step.before.size())};
}

std::optional<EditSpan> DumpHistory::Redo(std::uint8_t* buffer, std::uint32_t size)
{
    groupOpen_ = false;
    if (!CanRedo() || buffer == nullptr) {
        return std::nullopt;
    }
    const Step& step = steps_[applied_];
    if (std::uint64_t{step.pos} + step.after.size() > size) {
        return std::nullopt;
    }
    std::copy(step.after.begin(), step.after.end(), buffer + step.pos);
    ++applied_;
    return EditSpan{step.pos, static_cast<std::uint32_t>(step.after.size())};
}

void DumpHistory::Clear(bool atSaved)
{
    steps_.clear();
    applied_ = 0;
    dropped_ = 0;
    held_ = 0;
    groupOpen_ = false;
    saved_ = atSaved ? std::optional<size_t>(0) : std::nullopt;
}

void DumpHistory::MarkSaved()
{
    groupOpen_ = false;
    saved_ = dropped_ + applied_;
}

}  // namespace dumpedit
