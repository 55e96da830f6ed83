// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpEditing.h"

#include <algorithm>

namespace dumpedit {

CaretTarget MoveTarget(std::uint32_t caretPos, std::int64_t delta, bool high, std::uint32_t size)
{
    CaretTarget target{caretPos, high};
    if (delta > 0) {
        const std::uint64_t pos = std::uint64_t{caretPos} + static_cast<std::uint64_t>(delta);
        if (pos >= size) {
            target.pos = size - 1;
            target.high = false;
        } else {
            target.pos = static_cast<std::uint32_t>(pos);
        }
    } else if (delta < 0) {
        if (-delta > std::int64_t{caretPos}) {
            target.pos = 0;
            target.high = true;
        } else {
            target.pos = static_cast<std::uint32_t>(caretPos + delta);
        }
    }
    return target;
}

KeyMove MoveForKey(DumpKey key, bool caretHigh, std::uint32_t bytesPerRow, std::uint32_t visibleRows)
{
    const std::int64_t B = bytesPerRow;
    const std::int64_t page = (std::int64_t{visibleRows} - 1) * B;
    switch (key) {
    case DumpKey::PageUp:
        return {-page, caretHigh};
    case DumpKey::PageDown:
        return {page, caretHigh};
    case DumpKey::End:
        return {0x07FFFFFF, false};
    case DumpKey::Home:
        return {-0x08000000, true};
    case DumpKey::Left:
        return caretHigh ? KeyMove{-1, false} : KeyMove{0, true};
    case DumpKey::Right:
        return caretHigh ? KeyMove{0, false} : KeyMove{1, true};
    case DumpKey::Up:
        return {-B, caretHigh};
    case DumpKey::Down:
        return {B, caretHigh};
    }
    return {0, caretHigh};
}

std::optional<std::uint8_t> HexDigitValue(std::uint32_t ch)
{
    if (ch > 0xFF) {
        return std::nullopt;
    }
    if (ch >= 'A' && ch <= 'F') {
        ch += 'a' - 'A';
    }
    if (ch >= 'a' && ch <= 'f') {
        return static_cast<std::uint8_t>(ch - 'a' + 10);
    }
    if (ch >= '0' && ch <= '9') {
        return static_cast<std::uint8_t>(ch - '0');
    }
    return std::nullopt;
}

std::uint8_t OverwriteNibble(std::uint8_t byte, bool high, std::uint8_t value)
{
    return high ? static_cast<std::uint8_t>((byte & 0x0F) | (value << 4))
                : static_cast<std::uint8_t>((byte & 0xF0) | value);
}

Rect DragRect(Point p, int cx, int cy)
{
    return Rect{p.x - cx / 2, p.y - cy / 2, p.x + cx / 2 + cx % 2, p.y + cy / 2 + cy % 2};
}

std::optional<AutoScroll> AutoScrollFor(Point p, const Rect& text)
{
    // Each further 5 pixels beyond the edge scroll one tick faster, down to one row every 2 ticks.
    const auto delay = [](int distance) {
        return static_cast<std::uint16_t>(7 - std::min((distance + 1) / 5, 6));
    };
    if (p.y < text.top) {
        return AutoScroll{-1, delay(text.top - p.y)};
    }
    if (p.y > text.bottom) {
        return AutoScroll{+1, delay(p.y - text.bottom)};
    }
    return std::nullopt;
}

std::uint32_t PasteCount(std::uint32_t pos, std::uint32_t count, std::uint32_t size)
{
    if (pos >= size) {
        return 0;
    }
    if (std::uint64_t{pos} + count >= size || count >= size) {
        return size - pos;
    }
    return count;
}

}  // namespace dumpedit
