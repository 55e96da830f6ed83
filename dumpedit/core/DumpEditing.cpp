#include "dumpedit/core/DumpEditing.h"

#include <algorithm>

namespace dumpedit {

CaretTarget MoveTarget(uint32_t caretPos, int64_t delta, bool high, uint32_t size)
{
    CaretTarget target{caretPos, high};
    if (delta > 0) {
        const uint64_t pos = uint64_t{caretPos} + static_cast<uint64_t>(delta);
        if (pos >= size) {
            target.pos = size - 1;
            target.high = false;
        } else {
            target.pos = static_cast<uint32_t>(pos);
        }
    } else if (delta < 0) {
        if (-delta > int64_t{caretPos}) {
            target.pos = 0;
            target.high = true;
        } else {
            target.pos = static_cast<uint32_t>(caretPos + delta);
        }
    }
    return target;
}

KeyMove MoveForKey(DumpKey key, bool caretHigh, uint32_t bytesPerRow, uint32_t visibleRows)
{
    const int64_t B = bytesPerRow;
    const int64_t page = (int64_t{visibleRows} - 1) * B;
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

std::optional<uint8_t> HexDigitValue(uint32_t ch)
{
    if (ch > 0xFF) {
        return std::nullopt;
    }
    if (ch >= 'A' && ch <= 'F') {
        ch += 'a' - 'A';
    }
    if (ch >= 'a' && ch <= 'f') {
        return static_cast<uint8_t>(ch - 'a' + 10);
    }
    if (ch >= '0' && ch <= '9') {
        return static_cast<uint8_t>(ch - '0');
    }
    return std::nullopt;
}

uint8_t OverwriteNibble(uint8_t byte, bool high, uint8_t value)
{
    return high ? static_cast<uint8_t>((byte & 0x0F) | (value << 4))
                : static_cast<uint8_t>((byte & 0xF0) | value);
}

Rect DragRect(Point p, int cx, int cy)
{
    return Rect{p.x - cx / 2, p.y - cy / 2, p.x + cx / 2 + cx % 2, p.y + cy / 2 + cy % 2};
}

std::optional<AutoScroll> AutoScrollFor(Point p, const Rect& text)
{
    // Each further 5 pixels beyond the edge scroll one tick faster, down to one row every 2 ticks.
    const auto delay = [](int distance) {
        return static_cast<uint16_t>(7 - std::min((distance + 1) / 5, 6));
    };
    if (p.y < text.top) {
        return AutoScroll{-1, delay(text.top - p.y)};
    }
    if (p.y > text.bottom) {
        return AutoScroll{+1, delay(p.y - text.bottom)};
    }
    return std::nullopt;
}

uint32_t PasteCount(uint32_t pos, uint32_t count, uint32_t size)
{
    if (pos >= size) {
        return 0;
    }
    if (uint64_t{pos} + count >= size || count >= size) {
        return size - pos;
    }
    return count;
}

}  // namespace dumpedit
