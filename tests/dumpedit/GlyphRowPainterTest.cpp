// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPainter>

#include "dumpedit/widget/DumpFont.h"
#include "dumpedit/widget/GlyphRowPainter.h"
#include "tests/dumpedit/DumpEditTestSupport.h"

using namespace dumpedit_test;

namespace {

QImage Canvas()
{
    QImage image(220, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace

TEST(GlyphRowPainter, DrawsWhatTextDrawingDrawsOnTheCellGrid)
{
    App();
    const QFont font = dumpedit::GridAlignedFont(QFont(QStringLiteral("DejaVu Sans Mono"), 11));
    const int cw = QFontMetrics(font).horizontalAdvance(QLatin1Char('0'));
    const dumpedit::CGlyphRowPainter painter(font, cw, u"Жё");
    for (const QString& text :
         {QStringLiteral("0A 1B FF"), QStringLiteral("x.~Жё"), QStringLiteral("\u4E00 A")}) {
        QImage viaGlyphs = Canvas();
        QImage viaText = Canvas();
        {
            QPainter p(&viaGlyphs);
            p.setPen(Qt::black);
            painter.Draw(p, 3, 20, text);
        }
        {
            QPainter p(&viaText);
            p.setPen(Qt::black);
            p.setFont(font);
            p.drawText(QPoint(3, 20), text);
        }
        EXPECT_EQ(viaGlyphs, viaText) << text.toStdString();
    }
}

TEST(GlyphRowPainter, EveryCharacterStartsOnItsCell)
{
    App();
    const QFont font = dumpedit::GridAlignedFont(QFont(QStringLiteral("DejaVu Sans Mono"), 10));
    // A cell wider than the font's advance: each "|" must still start on its own cell.
    const int cell = 13;
    const dumpedit::CGlyphRowPainter painter(font, cell);
    QImage image = Canvas();
    {
        QPainter p(&image);
        p.setPen(Qt::black);
        painter.Draw(p, 0, 20, u"||||");
    }
    const auto firstInk = [&](int from) {
        for (int x = from; x < from + cell; ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (qGray(image.pixel(x, y)) < 128) {
                    return x - from;
                }
            }
        }
        return -1;
    };
    const int offset = firstInk(0);
    ASSERT_GE(offset, 0);
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(firstInk(i * cell), offset) << i;
    }
}
