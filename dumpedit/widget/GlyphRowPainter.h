// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QStringView>

#include <array>

class QPainter;

namespace dumpedit {

// Draws one-line texts of one character per cell, `cellWidth` apart, from the font's glyphs
// directly: no text shaping per call, and every character lands exactly on its cell. Texts
// with a character the font has no glyph for are drawn the ordinary way.
class CGlyphRowPainter {
public:
    CGlyphRowPainter() = default;
    // Latin-1 is always prepared; `more` names further characters to prepare.
    CGlyphRowPainter(const QFont& font, int cellWidth, QStringView more = {});

    void Draw(QPainter& painter, int x, int baseline, QStringView text) const;
    // Draws each character in the pen its class picks: classes[i] indexes `pens` for text[i].
    // One run per class; blanks are skipped.
    void DrawClassed(QPainter& painter, int x, int baseline, QStringView text, const quint8* classes,
                     const QColor* pens, int penCount) const;

private:
    QFont font_;
    QRawFont raw_;
    int cellWidth_ = 1;
    // Glyph of each Latin-1 character; 0 where the font has none.
    std::array<quint32, 256> latin1_{};
    QHash<char16_t, quint32> more_;
};

}  // namespace dumpedit
