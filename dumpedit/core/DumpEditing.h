#pragma once

#include <cstdint>
#include <optional>

#include "dumpedit/core/DumpGeometry.h"

namespace dumpedit {

// A caret position: a byte and one of its two hex digits.
struct CaretTarget {
    uint32_t pos = 0;
    bool high = true;
    friend bool operator==(const CaretTarget&, const CaretTarget&) = default;
};

// Moves the caret by `delta` bytes within a buffer of `size` (at least 1) bytes: past the end
// lands on the last byte's low digit, before the start on byte 0's high digit.
CaretTarget MoveTarget(uint32_t caretPos, int64_t delta, bool high, uint32_t size);

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
    int64_t delta = 0;
    bool high = true;
    friend bool operator==(const KeyMove&, const KeyMove&) = default;
};

KeyMove MoveForKey(DumpKey key, bool caretHigh, uint32_t bytesPerRow, uint32_t visibleRows);

// Value of a typed hex digit (either case); empty for anything else, characters above 0xFF included.
std::optional<uint8_t> HexDigitValue(uint32_t ch);

// The byte with one nibble overwritten.
uint8_t OverwriteNibble(uint8_t byte, bool high, uint8_t value);

// The rectangle a button-down point must leave before a drag starts selecting.
Rect DragRect(Point p, int cx, int cy);

// Auto-scroll while dragging: the scroll direction and the delay (in timer ticks between rows)
// for a point outside the text, or nothing when the point is beside the text.
struct AutoScroll {
    int direction = 0;
    uint16_t delay = 0;
};

std::optional<AutoScroll> AutoScrollFor(Point p, const Rect& text);

// Room for a paste of `count` bytes at `pos`: cut at the end of the buffer.
uint32_t PasteCount(uint32_t pos, uint32_t count, uint32_t size);

}  // namespace dumpedit
