// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QScreen>

#include <array>
#include <numeric>
#include <vector>

#include "tests/dumpedit/DumpEditTestSupport.h"

using namespace dumpedit_test;

namespace {

const QRgb kControlBackground = qRgb(0xD2, 0xD2, 0xD2);
const QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);

struct DumpEditPaint : ::testing::Test {
    std::array<quint8, 512> bytes{};
    void SetUp() override
    {
        App();
        std::iota(bytes.begin(), bytes.end(), quint8{0});
    }

    // Set up the way the main form sets up its editor.
    std::unique_ptr<dumpedit::CDumpEdit> MakeFormEdit(quint32 size,
                                                      quint32 style = dumpedit::CDumpEdit::DES_MULTILINE)
    {
        auto edit = MakeEdit(bytes.data(), size, {600, 320}, style);
        edit->SetAddressDigits(2, false);
        edit->ShowAddressColumn(true, false);
        edit->ShowCharColumn(true, false);
        edit->SetBytesPerRow(16, false, true);
        edit->SetMarkColors(0xFFFFFF, 0xFFFFFF, 0x0000FF, true);
        return edit;
    }
};

struct Geometry {
    int cw, lh, top, hexLeft, charsLeft, addressLeft;
    explicit Geometry(dumpedit::CDumpEdit& edit)
    {
        const auto& l = edit.Layout();
        cw = l.charWidth;
        lh = l.lineHeight;
        top = l.textRect.top;
        addressLeft = l.textRect.left + l.addressX - edit.HorzPos();
        hexLeft = l.textRect.left + l.hexX - edit.HorzPos();
        charsLeft = l.textRect.left + l.charsX - edit.HorzPos();
    }
    int RowTop(int row) const { return top + row * lh; }
    // Middle of the separator cell after byte `col`.
    QPoint Separator(int col, int row) const
    {
        return {hexLeft + (3 * col + 2) * cw + cw / 2, RowTop(row) + lh / 2};
    }
    QRect DigitCells(int col, int row) const { return {hexLeft + 3 * col * cw, RowTop(row), 2 * cw, lh}; }
};

bool AnyPixel(const QImage& image, const QRect& area, bool (*test)(QRgb))
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(image.pixel(x, y))) {
                return true;
            }
        }
    }
    return false;
}

bool IsRed(QRgb c)
{
    return qRed(c) > 160 && qGreen(c) < 90 && qBlue(c) < 90;
}
bool IsDark(QRgb c)
{
    return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90;
}

// `text` drawn the way a column draws it, on `background`, clipped to `size`.
QImage Reference(const dumpedit::CDumpEdit& edit, QSize size, const QString& text, QColor pen,
                 QColor background)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(edit.DumpFont());
    painter.setPen(pen);
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    return image;
}

}  // namespace

TEST_F(DumpEditPaint, MarginsAndGapsShowTheControlBackground)
{
    auto edit = MakeFormEdit(256);
    const QImage image = Render(*edit);
    const Geometry g(*edit);
    const auto& l = edit->Layout();
    EXPECT_EQ(image.pixel(1, 1), kControlBackground);
    EXPECT_EQ(image.pixel(image.width() - 2, image.height() - 2), kControlBackground);
    EXPECT_EQ(image.pixel(l.textRect.left - 3, g.RowTop(3)), kControlBackground);
    // Right of the character column, and the gaps after the address and hex columns.
    EXPECT_EQ(image.pixel(g.charsLeft + l.charsWidth + 2, g.RowTop(2)), kControlBackground);
    EXPECT_EQ(image.pixel(g.addressLeft + l.addressWidth - 3, g.RowTop(2)), kControlBackground);
    EXPECT_EQ(image.pixel(g.hexLeft + 47 * g.cw + 2, g.RowTop(2)), kControlBackground);
    // Column fills.
    EXPECT_EQ(image.pixel(g.Separator(4, 2)), kWhite);
    EXPECT_EQ(image.pixel(g.addressLeft, g.RowTop(2)), kWhite);
}

TEST_F(DumpEditPaint, NoBufferPaintsOnlyTheBackground)
{
    dumpedit::CDumpEdit edit(nullptr, dumpedit::CDumpEdit::DES_MULTILINE);
    edit.ShowAddressColumn(true, false);
    edit.resize(300, 200);
    const QImage image = Render(edit);
    EXPECT_FALSE(AnyPixel(image, image.rect(), [](QRgb c) { return c != qRgb(0xD2, 0xD2, 0xD2); }));
}

TEST_F(DumpEditPaint, SelectionBoxColoursFollowFocusAndStyle)
{
    const QPalette palette = QApplication::palette();
    const QRgb highlight = palette.color(QPalette::Active, QPalette::Highlight).rgb();
    const QRgb buttonFace = palette.color(QPalette::Active, QPalette::Button).rgb();
    ASSERT_NE(highlight, buttonFace);

    QLineEdit elsewhere;
    auto multi = MakeFormEdit(256);
    multi->SetSelection(0x12, 0x25, false, true);
    const Geometry g(*multi);
    // Unfocused multi-line control: inactive look on both rows.
    ShowFocused(elsewhere);
    ASSERT_FALSE(multi->hasFocus());
    QImage image = Render(*multi);
    EXPECT_EQ(image.pixel(g.Separator(3, 1)), buttonFace);
    EXPECT_EQ(image.pixel(g.hexLeft + 47 * g.cw, g.RowTop(1) + 1), buttonFace);
    EXPECT_EQ(image.pixel(g.Separator(4, 2)), buttonFace);
    // Box edges: from the first digit of 0x12 to one pixel past the last digit of 0x25.
    EXPECT_EQ(image.pixel(g.hexLeft + 6 * g.cw, g.RowTop(1) + 1), buttonFace);
    EXPECT_EQ(image.pixel(g.hexLeft + 6 * g.cw - 1, g.RowTop(1) + 1), kWhite);
    EXPECT_EQ(image.pixel(g.hexLeft + 17 * g.cw, g.RowTop(2) + 1), buttonFace);
    EXPECT_EQ(image.pixel(g.hexLeft + 17 * g.cw + 1, g.RowTop(2) + 1), kWhite);
    EXPECT_EQ(image.pixel(g.hexLeft + 6 * g.cw, g.RowTop(1)), kWhite);
    // Outside the selection.
    EXPECT_EQ(image.pixel(g.Separator(1, 1)), kWhite);
    EXPECT_EQ(image.pixel(g.Separator(6, 2)), kWhite);

    ShowFocused(*multi);
    ASSERT_TRUE(multi->hasFocus());
    image = Render(*multi);
    EXPECT_EQ(image.pixel(g.Separator(3, 1)), highlight);
    EXPECT_EQ(image.pixel(g.Separator(4, 2)), highlight);
    multi->hide();

    // Single-line control: only with the focus.
    auto single = MakeFormEdit(16, 0);
    single->SetSelection(2, 5, false, true);
    const Geometry s(*single);
    ShowFocused(elsewhere);
    ASSERT_FALSE(single->hasFocus());
    image = Render(*single);
    EXPECT_EQ(image.pixel(s.Separator(3, 0)), kWhite);
    ShowFocused(*single);
    ASSERT_TRUE(single->hasFocus());
    image = Render(*single);
    EXPECT_EQ(image.pixel(s.Separator(3, 0)), highlight);
}

TEST_F(DumpEditPaint, MarkedDigitsInTheMarkTextColour)
{
    auto edit = MakeFormEdit(256);
    edit->SetMarkedRange(0x44, 0x46, false, true);
    const Geometry g(*edit);
    const QImage image = Render(*edit);
    for (int col = 4; col <= 6; ++col) {
        EXPECT_TRUE(AnyPixel(image, g.DigitCells(col, 4), IsRed)) << col;
        EXPECT_FALSE(AnyPixel(image, g.DigitCells(col, 4), IsDark)) << col;
    }
    for (int col : {3, 7}) {
        EXPECT_FALSE(AnyPixel(image, g.DigitCells(col, 4), IsRed)) << col;
        EXPECT_TRUE(AnyPixel(image, g.DigitCells(col, 4), IsDark)) << col;
    }
    // White fill and white outline: nothing but white around the marked digits.
    EXPECT_EQ(image.pixel(g.Separator(4, 4)), kWhite);
    EXPECT_EQ(image.pixel(g.hexLeft + 12 * g.cw - 2, g.RowTop(4) + g.lh / 2), kWhite);
}

TEST_F(DumpEditPaint, MarkOutlineAndFillInTheirColours)
{
    auto edit = MakeFormEdit(256);
    edit->SetMarkColors(0xFFFF00, 0xD25A00, 0x00C800, false);
    edit->SetMarkedRange(0x44, 0x46, false, true);
    const Geometry g(*edit);
    const QImage image = Render(*edit);
    const QRgb outline = qRgb(0x00, 0xFF, 0xFF);
    const QRgb fill = qRgb(0x00, 0x5A, 0xD2);
    const int left = g.hexLeft + 12 * g.cw - 2;
    const int right = g.hexLeft + 2 + 20 * g.cw;
    const int middle = g.RowTop(4) + g.lh / 2;
    EXPECT_EQ(image.pixel(left, middle), outline);
    EXPECT_EQ(image.pixel(right, middle), outline);
    EXPECT_EQ(image.pixel(left + 3, g.RowTop(4)), outline);
    EXPECT_EQ(image.pixel(g.Separator(4, 4)), fill);
    EXPECT_EQ(image.pixel(left - 1, middle), kWhite);
    EXPECT_EQ(image.pixel(right + 1, middle), kWhite);
    EXPECT_TRUE(AnyPixel(image, g.DigitCells(5, 4),
                         [](QRgb c) { return qGreen(c) > 150 && qRed(c) < 90 && qBlue(c) < 90; }));
}

TEST_F(DumpEditPaint, CharacterColumnShowsLettersAndDotsForControlCodes)
{
    bytes[0] = 0x41;
    bytes[1] = 0x7F;
    bytes[2] = 0x2E;
    auto edit = MakeFormEdit(256);
    const Geometry g(*edit);
    const QImage image = Render(*edit);
    const auto cell = [&](int col) { return image.copy(g.charsLeft + col * g.cw, g.top, g.cw, g.lh); };
    EXPECT_EQ(cell(1), cell(2));
    EXPECT_NE(cell(0), cell(2));
    EXPECT_EQ(cell(0), Reference(*edit, {g.cw, g.lh}, QStringLiteral("A"), QColor(0, 0, 0x80), Qt::white));
}

TEST_F(DumpEditPaint, LongAddressLabelsAreClippedAtTheColumnEdge)
{
    auto edit = MakeFormEdit(512);
    edit->resize(600, 4 * edit->Layout().lineHeight + 10);
    Settle();
    edit->SetTopRow(16, true);
    ASSERT_EQ(edit->TopRow(), 16u);
    const Geometry g(*edit);
    const QImage image = Render(*edit);
    const QSize labelSize(2 * g.cw, g.lh);
    const QColor navy(0, 0, 0x80);
    EXPECT_EQ(image.copy(QRect(QPoint(g.addressLeft, g.RowTop(0)), labelSize)),
              Reference(*edit, labelSize, QStringLiteral("100"), navy, Qt::white));
    EXPECT_EQ(image.copy(QRect(QPoint(g.addressLeft, g.RowTop(1)), labelSize)),
              Reference(*edit, labelSize, QStringLiteral("110"), navy, Qt::white));
    // The third digit is cut: the gap after the column stays clear.
    EXPECT_FALSE(AnyPixel(image, QRect(g.addressLeft + 2 * g.cw, g.RowTop(0), 5, 2 * g.lh),
                          [](QRgb c) { return c != qRgb(0xD2, 0xD2, 0xD2); }));
}

namespace {

// Records the region of every paint of a widget.
class PaintRegions : public QObject {
public:
    explicit PaintRegions(QWidget* target) { target->installEventFilter(this); }
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        }
        return false;
    }
};

// The client area as the window system holds it now, not as a new paint would draw it.
QImage OnScreen(dumpedit::CDumpEdit& edit)
{
    const QRect client(edit.viewport()->mapTo(edit.window(), QPoint(0, 0)), edit.viewport()->size());
    return edit.screen()
        ->grabWindow(edit.window()->winId())
        .toImage()
        .copy(client)
        .convertToFormat(QImage::Format_RGB32);
}

// Pixels that differ between two images of one size; -1 when the sizes differ.
int DifferingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) {
        return -1;
    }
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y);
        }
    }
    return count;
}

}  // namespace

TEST_F(DumpEditPaint, ChangedByteRepaintsOnlyItsRowAndLooksAsAFullRepaint)
{
    auto edit = MakeFormEdit(256);
    edit->resize(600, 4 * edit->Layout().lineHeight + 10);
    edit->SetMarkedRange(0x0C, 0x23, false, true);  // the outline runs through the changed row
    edit->SetSelection(0x14, 0x15, false, true);
    Settle();
    ASSERT_EQ(DifferingPixels(OnScreen(*edit), Render(*edit)), 0);
    const Geometry g(*edit);
    PaintRegions paints(edit->viewport());

    bytes[0x13] = 0x41;
    EXPECT_GT(DifferingPixels(OnScreen(*edit), Render(*edit)), 0)
        << "the screen shows the old byte until it is repainted";
    edit->RedrawByte(0x13);
    Settle();
    ASSERT_EQ(paints.regions.size(), 1u);
    const QRect painted = paints.regions[0].boundingRect();
    EXPECT_EQ(painted.top(), g.RowTop(1));
    EXPECT_EQ(painted.bottom(), g.RowTop(1) + g.lh - 1);
    EXPECT_TRUE(painted.contains(g.DigitCells(3, 1)));
    EXPECT_TRUE(painted.contains(QRect(g.charsLeft + 3 * g.cw, g.RowTop(1), g.cw, g.lh)));
    EXPECT_EQ(DifferingPixels(OnScreen(*edit), Render(*edit)), 0);

    // A byte whose row is out of view paints nothing.
    bytes[0xF0] = 0x42;
    edit->RedrawByte(0xF0);
    Settle();
    EXPECT_EQ(paints.regions.size(), 1u);
}

TEST_F(DumpEditPaint, DifferencesStayVisibleInsideASelection)
{
    const QRgb differs = qRgb(0xE0, 0x60, 0x00);
    const QRgb highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight).rgb();
    auto edit = MakeFormEdit(256);
    std::vector<bool> differences(256, false);
    differences[0x12] = differences[0x14] = true;
    edit->SetDifferences(differences, false);
    edit->SetSelection(0x10, 0x1F, false, true);
    ShowFocused(*edit);
    const Geometry g(*edit);
    const QImage image = Render(*edit);
    const auto foot = [&](int col) {
        return image.pixel(g.hexLeft + 3 * col * g.cw + g.cw, g.RowTop(1) + g.lh - 1);
    };
    const auto orangeDigits = [&](int col) {
        const QRect digits = g.DigitCells(col, 1).adjusted(0, 0, 0, -g.lh / 4);
        return AnyPixel(image, digits, [](QRgb c) {
            return qRed(c) > 180 && qGreen(c) > 60 && qGreen(c) < 140 && qBlue(c) < 60;
        });
    };
    EXPECT_EQ(foot(2), differs);
    EXPECT_EQ(foot(4), differs);
    EXPECT_TRUE(orangeDigits(2));
    EXPECT_EQ(foot(3), highlight);
    EXPECT_FALSE(orangeDigits(3));
}
