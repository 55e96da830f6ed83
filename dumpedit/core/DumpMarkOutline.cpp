// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/core/DumpMarkOutline.h"

namespace dumpedit {

MarkOutline BuildMarkOutline(const MarkOutlineGeometry& g, std::uint32_t first, std::uint32_t last)
{
    MarkOutline outline;
    // Signed arithmetic: rows above the view give negative offsets. C++ division truncates
    // toward zero and the remainder takes the dividend's sign, which the corner rules rely on.
    const std::int64_t B = g.bytesPerRow;
    const std::int64_t viewFirst = std::int64_t{g.topRow} * B;
    const std::int64_t a = std::int64_t{first} - viewFirst;
    const std::int64_t b = std::int64_t{last} - viewFirst + 1;
    std::int64_t r1 = a / B;
    std::int64_t c1 = a % B;
    std::int64_t r2 = b / B;
    std::int64_t c2 = b % B;
    if (b <= 0 || a >= std::int64_t{g.visibleRows} * B) {
        return outline;
    }
    if (r2 == r1 + 1 && c2 == 0) {
        r2 = r1;
        c2 = B;
    }

    const std::int64_t X = g.columnLeft;
    const std::int64_t Y = g.top;
    const std::int64_t cw = g.charWidth;
    const std::int64_t lh = g.lineHeight;
    const auto point = [](std::int64_t x, std::int64_t y) {
        return Point{static_cast<int>(x), static_cast<int>(y)};
    };

    if (r1 < -1) {
        outline.Add(point(X - 2, Y - 1));
    } else {
        if (c1 < 0 && r1 == 0) {
            c1 += B;
            r1 = -1;
        }
        if (c1 < 0) {
            c1 = 0;
        }
        const Point bottomLeft = point(X - 2 + 3 * cw * c1, Y + (r1 + 1) * lh);
        outline.Add(bottomLeft);
        outline.Add(Point{bottomLeft.x, static_cast<int>(bottomLeft.y - lh)});
    }
    const int topY = outline.Last().y;
    const std::int64_t endX = X + 2 + (3 * c2 - 1) * cw;

    if (r2 == r1) {
        outline.Add(point(endX, Y + r2 * lh));
        outline.Add(point(endX, Y + r2 * lh + lh));
        return outline;
    }
    outline.Add(point(std::int64_t{g.columnRight} + 1, topY));
    outline.Add(point(std::int64_t{g.columnRight} + 1, Y + r2 * lh));
    if (c2 > 0) {
        const int y = outline.Last().y;
        outline.Add(point(endX, y));
        outline.Add(point(endX, y + lh));
    }
    const int y = outline.Last().y;
    outline.Add(point(X - 2, y));
    outline.Add(point(X - 2, outline.points[0].y));
    return outline;
}

}  // namespace dumpedit
