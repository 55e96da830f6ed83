// SPDX-License-Identifier: GPL-3.0-or-later
// Painting of CDumpEdit: background, address, hex and character columns, selection and mark.
#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cstdint>

#include "dumpedit/core/DumpGeometry.h"
#include "dumpedit/core/DumpMarkOutline.h"
#include "dumpedit/core/DumpRowText.h"
#include "dumpedit/widget/CDumpEdit.h"

namespace dumpedit {

using namespace dumpedit;

namespace {

QRect ToQRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

QPolygon ToPolygon(const MarkOutline& outline)
{
    QPolygon polygon(outline.count);
    for (int i = 0; i < outline.count; ++i) {
        polygon.setPoint(i, outline.points[static_cast<size_t>(i)].x,
                         outline.points[static_cast<size_t>(i)].y);
    }
    return polygon;
}

}  // namespace

void CDumpEdit::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    // Rows outside the update would be clipped away whole; leaving them out keeps a one-row
    // update cheap.
    PaintTo(painter, event->rect());
}

void CDumpEdit::PaintTo(QPainter& p, const QRect& area)
{
    Layout();
    paintArea_ = area.isEmpty() ? viewport()->rect() : area;
    p.fillRect(viewport()->rect(), controlBackground_);
    const Rect& text = layout_.textRect;
    p.save();
    p.setClipRect(ToQRect(text.left - kOutlineReach, text.top, text.right + kOutlineReach, text.bottom));
    p.setFont(font_);
    if (HasBytes()) {
        if (showAddress_) {
            PaintAddressColumn(p);
        }
        PaintHexColumn(p);
        if (showChars_) {
            PaintCharColumn(p);
        }
    }
    p.restore();
    PaintCaret(p);
}

void CDumpEdit::PaintAddressColumn(QPainter& p)
{
    const Rect& text = layout_.textRect;
    const int left = text.left + layout_.addressX - hScroll_;
    const int right = left + layout_.addressWidth - kColumnGap;
    p.fillRect(ToQRect(left, text.top, right, text.bottom), addressBackground_);
    p.setPen(addressText_);
    const int lh = layout_.lineHeight;
    ForEachPaintRow([&](std::uint32_t start, std::uint32_t, int rowTop) {
        const QString label = QString::fromLatin1(FormatAddressLabel(start, addressDigits_));
        if (label.size() <= static_cast<qsizetype>(addressDigits_)) {
            rowPainter_.Draw(p, left, rowTop + fontAscent_, label);
        } else {
            // Longer than the column: clipped at its right edge.
            p.drawText(ToQRect(left, rowTop, right, rowTop + lh),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, label);
        }
    });
}

void CDumpEdit::ForEachPaintRow(
    const std::function<void(std::uint32_t start, std::uint32_t end, int rowTop)>& paintRow) const
{
    const PaintRowRange rows = RowsToPaint(layout_, topRow_, size_);
    if (rows.empty) {
        return;
    }
    const std::uint32_t B = layout_.bytesPerRow;
    int rowTop = layout_.textRect.top;
    for (std::uint64_t s = rows.first; s <= rows.last; s += B, rowTop += layout_.lineHeight) {
        const auto start = static_cast<std::uint32_t>(s);
        if (RowMeetsPaintArea(layout_, rowTop, paintArea_.top(), paintArea_.top() + paintArea_.height())) {
            paintRow(start, RowEnd(rows, start, B), rowTop);
        }
    }
}

void CDumpEdit::PaintHexColumn(QPainter& p)
{
    const Rect& text = layout_.textRect;
    const int cw = layout_.charWidth;
    const int lh = layout_.lineHeight;
    const std::uint32_t B = layout_.bytesPerRow;
    const int left = text.left + layout_.hexX - hScroll_;
    const int right = left + cw * (3 * static_cast<int>(B) - 1);
    p.fillRect(ToQRect(left, text.top, right, text.bottom), hexBackground_);

    MarkOutline outline;
    if (markFirst_ != kNoByte && markLast_ != kNoByte) {
        const MarkOutlineGeometry geometry{left, text.top, right, B, cw, lh, layout_.visibleRows, topRow_};
        outline = BuildMarkOutline(geometry, markFirst_, markLast_);
        if (outline.count > 0) {
            p.setPen(markOutline_);
            p.setBrush(markFill_);
            p.drawPolygon(ToPolygon(outline));
            p.setBrush(Qt::NoBrush);
        }
    }

    const bool showSelection = hasFocus() || IsMultiline();
    // Text colour of each character cell of a row with changed or different bytes.
    enum : quint8 {
        kNormalPen,
        kMarkPen,
        kChangedPen,
        kDiffersPen
    };
    const QColor pens[] = {hexText_, markText_, changedText_, differsText_};
    std::array<quint8, 3 * kMaxBytesPerRow> classes{};
    ForEachPaintRow([&](std::uint32_t start, std::uint32_t end, int rowTop) {
        const HexRowText row = BuildHexRow(buffer_, start, end, selFirst_, selLast_, markFirst_, markLast_);
        const QString line = QString::fromLatin1(row.text);
        const int baseline = rowTop + fontAscent_;
        // One state question per byte; rows without changed or different bytes draw as before.
        bool anyState = false;
        for (std::uint32_t pos = start; pos < end; ++pos) {
            const ByteState state = byteStates_.StateOf(pos, buffer_[pos]);
            if (state != ByteState::Unchanged) {
                if (!anyState) {
                    anyState = true;
                    std::fill_n(classes.begin(), line.size(), kNormalPen);
                    if (row.mark) {
                        std::fill(classes.begin() + row.mark->begin, classes.begin() + row.mark->end,
                                  kMarkPen);
                    }
                }
                const size_t cell = 3 * size_t{pos - start};
                classes[cell] = classes[cell + 1] = state == ByteState::Changed ? kChangedPen : kDiffersPen;
            }
        }
        if (anyState) {
            rowPainter_.DrawClassed(p, left, baseline, line, classes.data(), pens, 4);
        } else if (row.mark) {
            // Drawn in pieces so the marked digits are not painted over black ones.
            const int m = row.mark->begin;
            const int me = row.mark->end;
            const QStringView digits(line);
            p.setPen(hexText_);
            rowPainter_.Draw(p, left, baseline, digits.left(m));
            rowPainter_.Draw(p, left + me * cw, baseline, digits.mid(me));
            p.setPen(markText_);
            rowPainter_.Draw(p, left + m * cw, baseline, digits.mid(m, me - m));
        } else {
            p.setPen(hexText_);
            rowPainter_.Draw(p, left, baseline, line);
        }
        if (row.selection && showSelection) {
            PaintHexRowSelection(p, line, row.selection->begin, row.selection->end, left, rowTop, start);
        }
    });

    if (outline.count > 0) {
        p.setPen(markOutline_);
        p.drawPolyline(ToPolygon(outline));
    }
}

void CDumpEdit::PaintHexRowSelection(QPainter& p, const QString& line, int begin, int end, int left,
                                     int rowTop, std::uint32_t rowStart)
{
    const int cw = layout_.charWidth;
    const int lh = layout_.lineHeight;
    const bool active = hasFocus();
    p.fillRect(ToQRect(left + begin * cw, rowTop + 1, left + end * cw + 1, rowTop + lh),
               active ? activeSelectionFill_ : inactiveSelectionFill_);
    p.setPen(active ? activeSelectionText_ : inactiveSelectionText_);
    rowPainter_.Draw(p, left + begin * cw, rowTop + fontAscent_, QStringView(line).mid(begin, end - begin));
    // A difference found by a compare or verify stays visible under the selection: its digits in
    // the difference colour over a bar of that colour along the cell's foot.
    const int barHeight = std::max(2, lh / 8);
    for (int cell = begin - begin % 3; cell + 1 < end; cell += 3) {
        const std::uint32_t pos = rowStart + static_cast<std::uint32_t>(cell / 3);
        if (byteStates_.StateOf(pos, buffer_[pos]) != ByteState::Differs) {
            continue;
        }
        const int cellLeft = left + cell * cw;
        p.fillRect(ToQRect(cellLeft, rowTop + lh - barHeight, cellLeft + 2 * cw, rowTop + lh), differsText_);
        p.setPen(differsText_);
        rowPainter_.Draw(p, cellLeft, rowTop + fontAscent_, QStringView(line).mid(cell, 2));
    }
}

void CDumpEdit::PaintCharColumn(QPainter& p)
{
    const Rect& text = layout_.textRect;
    const int left = text.left + layout_.charsX - hScroll_;
    p.fillRect(ToQRect(left, text.top, left + layout_.charsWidth, text.bottom), charsBackground_);
    p.setPen(charsText_);
    ForEachPaintRow([&](std::uint32_t start, std::uint32_t end, int rowTop) {
        const std::u16string row = BuildCharRow(buffer_, start, end);
        rowPainter_.Draw(p, left, rowTop + fontAscent_,
                         QStringView(row.data(), static_cast<qsizetype>(row.size())));
    });
}

void CDumpEdit::PaintCaret(QPainter& p)
{
    if (!caretCreated_ || !caretShown_) {
        return;
    }
    // Inverts the digit cell under it, as a solid system caret does.
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.fillRect(caretRect_, Qt::white);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace dumpedit
