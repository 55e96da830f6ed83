// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QScrollBar>
#include <QWheelEvent>

#include <array>
#include <vector>

#include "dumpedit/widget/DumpEditClasses.h"
#include "dumpedit/widget/WindowClassRegistry.h"
#include "tests/dumpedit/DumpEditTestSupport.h"

using namespace dumpedit_test;

namespace {

constexpr quint32 kNone = dumpedit::CDumpEdit::kNoByte;

struct DumpEditModel : ::testing::Test {
    std::array<quint8, 512> bytes{};
    void SetUp() override { App(); }
};

void Wheel(dumpedit::CDumpEdit& edit, int delta)
{
    QWheelEvent event(QPointF(10, 10), edit.viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(edit.viewport(), &event);
}

// Gives the control `rows` whole rows under the multi-line margins (and a wide client).
void ResizeToRows(dumpedit::CDumpEdit& edit, int rows)
{
    edit.resize(600, rows * edit.Layout().lineHeight + 10);
    Settle();
}

}  // namespace

TEST_F(DumpEditModel, DefaultsBeforeAnyBuffer)
{
    dumpedit::CDumpEdit edit(nullptr, dumpedit::CDumpEdit::DES_MULTILINE);
    quint32 first = 0, last = 0;
    EXPECT_FALSE(edit.GetSelection(first, last));
    EXPECT_EQ(first, kNone);
    EXPECT_EQ(last, kNone);
    EXPECT_FALSE(edit.GetMarkedRange(first, last));
    EXPECT_EQ(edit.Size(), 0u);
    EXPECT_EQ(edit.Buffer(), nullptr);
    EXPECT_EQ(edit.CaretPos(), 0u);
    EXPECT_TRUE(edit.CaretHigh());
    EXPECT_FALSE(edit.IsReadOnly());
    edit.resize(600, 300);
    EXPECT_EQ(edit.Layout().bytesPerRow, 16u);
    EXPECT_EQ(edit.Layout().addressWidth, 0);
    EXPECT_EQ(edit.Layout().charsWidth, 0);
    edit.ShowAddressColumn(true, false);
    EXPECT_EQ(edit.Layout().addressWidth, 8 * edit.Layout().charWidth + 5);
}

TEST_F(DumpEditModel, SelectionEndsAreClampedToTheLastByte)
{
    auto edit = MakeEdit(bytes.data(), 256, {600, 300});
    edit->SetSelection(5, 1000, false, true);
    quint32 first = 0, last = 0;
    ASSERT_TRUE(edit->GetSelection(first, last));
    EXPECT_EQ(first, 5u);
    EXPECT_EQ(last, 255u);
    EXPECT_TRUE(edit->HasSelection());

    edit->SetSelection(kNone, kNone, true, true);
    EXPECT_FALSE(edit->HasSelection());
    EXPECT_EQ(edit->TopRow(), 0u);

    edit->SetMarkedRange(0, 256, false, true);
    ASSERT_TRUE(edit->GetMarkedRange(first, last));
    EXPECT_EQ(first, 0u);
    EXPECT_EQ(last, 255u);
}

TEST_F(DumpEditModel, SetBufferClearsSelectionAndMarkAndResetsTheCaret)
{
    auto edit = MakeEdit(bytes.data(), 256, {600, 300});
    edit->SetSelection(3, 9, false, false);
    edit->SetMarkedRange(4, 5, false, false);
    edit->SetBuffer(bytes.data(), 128, true);
    quint32 first = 0, last = 0;
    EXPECT_FALSE(edit->GetSelection(first, last));
    EXPECT_FALSE(edit->GetMarkedRange(first, last));
    EXPECT_EQ(edit->CaretPos(), 0u);
    EXPECT_TRUE(edit->CaretHigh());
    EXPECT_EQ(edit->Size(), 128u);
}

TEST_F(DumpEditModel, UnchangedOptionsNeitherRepaintNorRelayout)
{
    auto edit = MakeEdit(bytes.data(), 256, {600, 300});
    edit->show();
    Settle();
    PaintCounter paints(edit->viewport());
    edit->SetBytesPerRow(16, false, true);
    edit->ShowAddressColumn(false, true);
    edit->ShowCharColumn(false, true);
    edit->SetSelection(kNone, kNone, false, true);
    Settle();
    EXPECT_EQ(paints.count, 0);

    edit->SetBytesPerRow(8, false, true);
    Settle();
    EXPECT_GE(paints.count, 1);
    EXPECT_EQ(edit->Layout().bytesPerRow, 8u);
}

TEST_F(DumpEditModel, TopRowIsClampedWhenTheLayoutChanges)
{
    auto edit = MakeEdit(bytes.data(), 512, {600, 100});
    ResizeToRows(*edit, 5);
    edit->SetTopRow(20, true);
    EXPECT_EQ(edit->TopRow(), 20u);
    edit->SetBuffer(bytes.data(), 256, true);
    EXPECT_EQ(edit->Layout().maxTopRow, 11u);
    EXPECT_EQ(edit->TopRow(), 11u);
    edit->SetTopRow(40, true);
    EXPECT_EQ(edit->TopRow(), 11u);
}

TEST_F(DumpEditModel, ScrollBarsCarryRangePageAndPosition)
{
    auto edit = MakeEdit(bytes.data(), 256, {600, 100});
    edit->SetAddressDigits(2, false);
    edit->ShowAddressColumn(true, false);
    edit->ShowCharColumn(true, true);
    edit->resize(200, 5 * edit->Layout().lineHeight + 10);
    Settle();
    const auto& l = edit->Layout();
    QScrollBar* vertical = edit->verticalScrollBar();
    QScrollBar* horizontal = edit->horizontalScrollBar();
    ASSERT_GT(l.maxTopRow, 0u);
    EXPECT_EQ(vertical->maximum(), static_cast<int>(l.maxTopRow));
    EXPECT_EQ(vertical->pageStep(), static_cast<int>(l.fullRows));
    EXPECT_TRUE(vertical->isVisible());
    ASSERT_GT(l.maxHScroll, 0);
    EXPECT_EQ(horizontal->maximum(), l.maxHScroll);
    EXPECT_EQ(horizontal->pageStep(), l.textRect.Width());
    EXPECT_TRUE(horizontal->isVisible());

    vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(edit->TopRow(), 1u);
    vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(edit->TopRow(), 1u + l.fullRows);
    vertical->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(edit->TopRow(), l.maxTopRow);
    horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(edit->HorzPos(), l.charWidth);

    edit->SetTopRow(2, true);
    edit->SetHorzPos(100000, true);
    EXPECT_EQ(vertical->value(), 2);
    EXPECT_EQ(edit->HorzPos(), l.maxHScroll);
    EXPECT_EQ(horizontal->value(), l.maxHScroll);

    // Everything fits: the bars go away.
    edit->resize(900, 700);
    Settle();
    EXPECT_FALSE(vertical->isVisible());
    EXPECT_FALSE(horizontal->isVisible());
    EXPECT_EQ(edit->TopRow(), 0u);
    EXPECT_EQ(edit->HorzPos(), 0);
}

TEST_F(DumpEditModel, WheelScrollsWholeNotches)
{
    auto edit = MakeEdit(bytes.data(), 256, {600, 100});
    ResizeToRows(*edit, 5);
    edit->SetTopRow(5, true);
    Wheel(*edit, 240);
    EXPECT_EQ(edit->TopRow(), 3u);
    Wheel(*edit, 60);
    EXPECT_EQ(edit->TopRow(), 3u);
    Wheel(*edit, -120);
    EXPECT_EQ(edit->TopRow(), 4u);
    Wheel(*edit, 1200);
    EXPECT_EQ(edit->TopRow(), 0u);
}

TEST_F(DumpEditModel, SingleLineControlNeverScrollsVertically)
{
    auto edit = MakeEdit(bytes.data(), 8, {400, 30}, 0);
    edit->show();
    Settle();
    EXPECT_EQ(edit->Layout().bytesPerRow, 8u);
    EXPECT_EQ(edit->Layout().textRect.left, 0);
    edit->SetTopRow(3, true);
    Wheel(*edit, -240);
    edit->ScrollRows(2, true);
    EXPECT_EQ(edit->TopRow(), 0u);
    EXPECT_FALSE(edit->verticalScrollBar()->isVisible());
    EXPECT_FALSE(edit->horizontalScrollBar()->isVisible());
}

TEST_F(DumpEditModel, EnsureVisibleThroughSelectionAndMark)
{
    auto edit = MakeEdit(bytes.data(), 256, {600, 100});
    ResizeToRows(*edit, 5);
    edit->SetSelection(0x50, 0x50, true, true);
    EXPECT_EQ(edit->TopRow(), 1u);
    edit->SetMarkedRange(0xF0, 0xF3, true, true);
    EXPECT_EQ(edit->TopRow(), 11u);
    edit->SetSelection(0x23, 0x24, true, true);
    EXPECT_EQ(edit->TopRow(), 2u);
    // Clearing the mark brings nothing into view.
    edit->SetMarkedRange(kNone, kNone, true, true);
    EXPECT_EQ(edit->TopRow(), 2u);
    // Without ensure-visible nothing scrolls.
    edit->SetSelection(0xF0, 0xF0, false, true);
    EXPECT_EQ(edit->TopRow(), 2u);
}

TEST_F(DumpEditModel, OnlyFixedPitchFontsAreTaken)
{
    auto edit = MakeEdit(bytes.data(), 256, {600, 300});
    const QFont initial = edit->DumpFont();
    const int initialWidth = edit->Layout().charWidth;

    edit->SetDumpFont(QFont(QStringLiteral("DejaVu Sans"), 30), true);
    EXPECT_EQ(edit->DumpFont().family(), initial.family());
    EXPECT_EQ(edit->Layout().charWidth, initialWidth);

    QFont mono(QStringLiteral("DejaVu Sans Mono"), 24);
    edit->SetDumpFont(mono, true);
    EXPECT_EQ(edit->DumpFont().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(edit->Layout().charWidth, QFontMetrics(edit->DumpFont()).horizontalAdvance(QLatin1Char('0')));
    EXPECT_GT(edit->Layout().charWidth, initialWidth);
}

TEST_F(DumpEditModel, ParentProportionalFontDoesNotReachTheControl)
{
    QWidget form;
    dumpedit::CDumpEdit* edit = new dumpedit::CDumpEdit(&form, dumpedit::CDumpEdit::DES_MULTILINE);
    edit->SetBuffer(bytes.data(), 256, true);
    edit->resize(600, 300);
    const QString family = edit->DumpFont().family();
    const int width = edit->Layout().charWidth;
    form.setFont(QFont(QStringLiteral("DejaVu Sans"), 28));
    Settle();
    EXPECT_EQ(edit->DumpFont().family(), family);
    EXPECT_EQ(edit->Layout().charWidth, width);
    // A fixed-pitch font handed down is taken, as a font message would be.
    form.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 28));
    Settle();
    EXPECT_EQ(edit->DumpFont().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_GT(edit->Layout().charWidth, width);
}

TEST_F(DumpEditModel, GlyphsStayOnTheCharacterGrid)
{
    // Fonts with fractional advances are adjusted so a row drawn in one call lines up with
    // the cells the layout, hit test and caret use.
    for (int points : {9, 10, 11, 13}) {
        QFont font(QStringLiteral("DejaVu Sans Mono"), points);
        dumpedit::CDumpEdit edit(nullptr, dumpedit::CDumpEdit::DES_MULTILINE);
        edit.SetDumpFont(font, false);
        const QFontMetricsF metrics(edit.DumpFont());
        EXPECT_DOUBLE_EQ(
            metrics.horizontalAdvance(QStringLiteral("00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F")),
            47.0 * edit.Layout().charWidth)
            << points;
    }
}

TEST_F(DumpEditModel, RowsBeyondTheLimitAreClampedNotOverrun)
{
    std::vector<quint8> big(1000, 0x41);
    auto edit = MakeEdit(big.data(), 1000, {800, 40}, 0);
    EXPECT_EQ(edit->Layout().bytesPerRow, 341u);
    const QImage image = Render(*edit);
    EXPECT_FALSE(image.isNull());
    edit->SetBytesPerRow(100000, false, true);
    EXPECT_EQ(edit->Layout().bytesPerRow, 341u);
}

TEST_F(DumpEditModel, WindowClassesCreateTheControlByName)
{
    dumpedit::RegisterDumpEditClasses();
    QWidget form;
    QWidget* created =
        dumpedit::CWindowClassRegistry::Instance().Create(QStringLiteral("CDumpEdit_SC"), &form, 0x50810004);
    auto* edit = qobject_cast<dumpedit::CDumpEdit*>(created);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->parent(), &form);
    EXPECT_EQ(edit->Style(), 0x50810004u);
    EXPECT_EQ(edit->focusPolicy(), Qt::StrongFocus);
    EXPECT_NE(edit->frameShape(), QFrame::NoFrame);
    EXPECT_NE(qobject_cast<dumpedit::CDumpEdit*>(
                  dumpedit::CWindowClassRegistry::Instance().Create(QStringLiteral("CDumpEdit"), &form, 0)),
              nullptr);
    EXPECT_EQ(dumpedit::CWindowClassRegistry::Instance().Create(QStringLiteral("NoSuchClass"), &form, 0),
              nullptr);
    // A second registration under a taken name keeps the first.
    EXPECT_FALSE(dumpedit::CWindowClassRegistry::Instance().Register(
        QStringLiteral("CDumpEdit_SC"), [](QWidget*, quint32) { return nullptr; }));
    EXPECT_NE(dumpedit::CWindowClassRegistry::Instance().Create(QStringLiteral("CDumpEdit_SC"), &form, 0),
              nullptr);
}
