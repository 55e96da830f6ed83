// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "dumpedit/core/DumpGeometry.h"

namespace dumpedit {

// A caret position: a byte and one of its two hex digits.
struct CaretTarget {
    std::uint32_t pos = 0;
    bool high = true;
    friend bool operator==(const CaretTarget&, const CaretTarget&) = default;
};

// Moves the caret by `delta` bytes within a buffer of `size` (at least 1) bytes: past the end
// lands on the last byte's low digit, before the start on byte 0's high digit.
CaretTarget MoveTarget(std::uint32_t caretPos, std::int64_t delta, bool high, std::uint32_t size);

enum class DumpKey {
    PageUp,
    PageDown,
    Home,
    End,
    Left,
    Right,
    Up,
    Down
};

// The caret move a navigation key asks for: a byte delta and the digit to land on.
struct KeyMove {
    std::int64_t delta = 0;
    bool high = true;
    friend bool operator==(const KeyMove&, const KeyMove&) = default;
};

KeyMove MoveForKey(DumpKey key, bool caretHigh, std::uint32_t bytesPerRow, std::uint32_t visibleRows);

// Value of a typed hex digit (either case); empty for anything else, characters above 0xFF included.
std::optional<std::uint8_t> HexDigitValue(std::uint32_t ch);

// The byte with one nibble overwritten.
std::uint8_t OverwriteNibble(std::uint8_t byte, bool high, std::uint8_t value);

// The rectangle a button-down point must leave before a drag starts selecting.
Rect DragRect(Point p, int cx, int cy);

// Auto-scroll while dragging: the scroll direction and the delay (in timer ticks between rows)
// for a point outside the text, or nothing when the point is beside the text.
struct AutoScroll {
    int direction = 0;
    std::uint16_t delay = 0;
};

std::optional<AutoScroll> AutoScrollFor(Point p, const Rect& text);

// Room for a paste of `count` bytes at `pos`: cut at the end of the buffer.
std::uint32_t PasteCount(std::uint32_t pos, std::uint32_t count, std::uint32_t size);

}  // namespace dumpedit
