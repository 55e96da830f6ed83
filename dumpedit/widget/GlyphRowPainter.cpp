// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/widget/GlyphRowPainter.h"

#include <QGlyphRun>
#include <QPainter>

namespace dumpedit {

namespace {
quint32 GlyphOf(const QRawFont& font, char16_t c)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(QString(QChar(c)));
    return glyphs.size() == 1 ? glyphs.front() : 0;
}
}  // namespace

CGlyphRowPainter::CGlyphRowPainter(const QFont& font, int cellWidth, QStringView more)
    : font_(font), raw_(QRawFont::fromFont(font)), cellWidth_(cellWidth)
{
    if (!raw_.isValid()) {
        return;
    }
    for (char16_t c = 0x20; c < 0x100; ++c) {
        latin1_[c] = GlyphOf(raw_, c);
    }
    for (const QChar c : more) {
        more_.insert(c.unicode(), GlyphOf(raw_, c.unicode()));
    }
}

void CGlyphRowPainter::Draw(QPainter& painter, int x, int baseline, QStringView text) const
{
    if (text.isEmpty()) {
        return;
    }
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(text.size());
    positions.reserve(text.size());
    bool complete = raw_.isValid();
    for (qsizetype i = 0; complete && i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const quint32 glyph = c < 0x100 ? latin1_[c] : more_.value(c, 0);
        complete = glyph != 0 || c == u' ';
        glyphs.append(glyph);
        positions.append(QPointF(static_cast<qreal>(i) * cellWidth_, 0));
    }
    if (!complete) {
        painter.setFont(font_);
        painter.drawText(QPoint(x, baseline), text.toString());
        return;
    }
    QGlyphRun run;
    run.setRawFont(raw_);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(x, baseline), run);
}

void CGlyphRowPainter::DrawClassed(QPainter& painter, int x, int baseline, QStringView text,
                                   const quint8* classes, const QColor* pens, int penCount) const
{
    bool complete = raw_.isValid();
    for (qsizetype i = 0; complete && i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        complete = c == u' ' || (c < 0x100 ? latin1_[c] : more_.value(c, 0)) != 0;
    }
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(text.size());
    positions.reserve(text.size());
    for (int pen = 0; pen < penCount; ++pen) {
        glyphs.clear();
        positions.clear();
        qsizetype segment = -1;
        painter.setPen(pens[pen]);
        for (qsizetype i = 0; i <= text.size(); ++i) {
            const bool in = i < text.size() && classes[i] == pen && text[i] != u' ';
            if (!complete) {
                // Without glyphs for every character: the ordinary way, one stretch at a time.
                if (in && segment < 0) {
                    segment = i;
                } else if (!in && segment >= 0) {
                    painter.setFont(font_);
                    painter.drawText(QPoint(x + static_cast<int>(segment) * cellWidth_, baseline),
                                     text.mid(segment, i - segment).toString());
                    segment = -1;
                }
                continue;
            }
            if (in) {
                const char16_t c = text[i].unicode();
                glyphs.append(c < 0x100 ? latin1_[c] : more_.value(c, 0));
                positions.append(QPointF(static_cast<qreal>(i) * cellWidth_, 0));
            }
        }
        if (complete && !glyphs.isEmpty()) {
            QGlyphRun run;
            run.setRawFont(raw_);
            run.setGlyphIndexes(glyphs);
            run.setPositions(positions);
            painter.drawGlyphRun(QPointF(x, baseline), run);
        }
    }
}

}  // namespace dumpedit
