// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <set>

#include "app/CAboutDlg.h"
#include "app/ControlId.h"
#include "app/DialogBuilder.h"
#include "app/DialogUnits.h"
#include "res/FormIds.h"
#include "res/ProgramVersion.h"
#include "tests/app/support/QtTestApplication.h"

using namespace app;

TEST(DialogUnits, MulDivRoundsHalfAwayFromZero)
{
    EXPECT_EQ(MulDiv(10, 7, 4), 18);  // 17.5
    EXPECT_EQ(MulDiv(9, 7, 4), 16);   // 15.75
    EXPECT_EQ(MulDiv(11, 7, 4), 19);  // 19.25
    EXPECT_EQ(MulDiv(-10, 7, 4), -18);
    EXPECT_EQ(MulDiv(10, -7, 4), -18);
    EXPECT_EQ(MulDiv(10, 7, 0), -1);
    EXPECT_EQ(MulDiv(2'000'000'000, 3, 4), 1'500'000'000);  // no overflow in the product
}

TEST(DialogUnits, BaseUnitsAndRectangles)
{
    // 52 letters 338 pixels wide: 13 per 2 letters, average 6.5 rounded up.
    EXPECT_EQ(BaseUnitsFromFontMetrics(338, 13).cx, 7);
    EXPECT_EQ(BaseUnitsFromFontMetrics(312, 13).cx, 6);  // exactly 6
    EXPECT_EQ(BaseUnitsFromFontMetrics(338, 13).cy, 13);

    const DialogBaseUnits units{6, 13};
    // The dump editor of the form: 10, 15, 363 x 167 units.
    EXPECT_EQ(MapDialogRect({10, 15, 363, 167}, units), (PixelRect{15, 24, 545, 271}));
    EXPECT_EQ(MapDialogRect({0, 0, 383, 210}, units), (PixelRect{0, 0, 575, 341}));
}

class DialogLayout : public ::testing::Test {
protected:
    void SetUp() override { EnsureQApplication(); }
};

TEST_F(DialogLayout, FormControlsKeepTemplateOrderIdsAndTexts)
{
    QWidget form;
    std::vector<std::string> customClasses;
    std::uint32_t customStyle = 0;
    ASSERT_TRUE(CreateDialogControls(&form, res::FormTemplate(),
                                     [&](const std::string& name, QWidget* parent, std::uint32_t style) {
                                         customClasses.push_back(name);
                                         customStyle = style;
                                         return new QWidget(parent);
                                     }));
    EXPECT_EQ(customClasses, std::vector<std::string>{"CDumpEdit_SC"});
    EXPECT_EQ(customStyle, 0x00810004u) << "border, tab stop, multi-line";

    auto* readId = FindControl<QPushButton>(&form, res::IDC_READ_ID);
    auto* read = FindControl<QPushButton>(&form, res::IDC_READ);
    auto* write = FindControl<QPushButton>(&form, res::IDC_WRITE);
    auto* combo = FindControl<QComboBox>(&form, res::IDC_PORT_COMBO);
    auto* edit = FindControl<QLineEdit>(&form, res::IDC_TIMEOUT_EDIT);
    auto* group = FindControl<QGroupBox>(&form, res::IDC_ID_GROUP);
    QWidget* dump = FindControl(&form, res::IDC_DUMP_EDIT);
    ASSERT_TRUE(readId && read && write && combo && edit && group && dump);
    EXPECT_EQ(readId->text(), QString::fromUtf8("Чтение ID"));
    EXPECT_EQ(read->text(), QString::fromUtf8("Чтение"));
    EXPECT_EQ(write->text(), QString::fromUtf8("Запись"));
    EXPECT_EQ(edit->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_TRUE(group->title().isEmpty());
    EXPECT_TRUE(group->testAttribute(Qt::WA_TransparentForMouseEvents)) << "clicks must reach the editor";

    // Tab order is template order.
    std::vector<QWidget*> chain{dump};
    for (QWidget* w = dump->nextInFocusChain(); w != dump && chain.size() < 10; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            chain.push_back(w);
    }
    auto* compare = FindControl<QPushButton>(&form, res::IDC_COMPARE);
    auto* stop = FindControl<QPushButton>(&form, res::IDC_STOP);
    ASSERT_TRUE(compare && stop);
    EXPECT_EQ(compare->text(), QString::fromUtf8("Сравнение"));
    EXPECT_EQ(stop->text(), QString::fromUtf8("Стоп"));
    EXPECT_EQ(chain, (std::vector<QWidget*>{dump, readId, read, write, combo, edit, compare, stop}));
    // The new buttons sit in a row of their own under Read and Write, clear of every other control.
    EXPECT_EQ(compare->x(), read->x());
    EXPECT_EQ(stop->x(), write->x());
    EXPECT_GT(compare->y(), group->geometry().bottom());
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        for (QPushButton* added : {compare, stop}) {
            if (child != added) {
                EXPECT_FALSE(child->geometry().intersects(added->geometry())) << ControlIdOf(child);
            }
        }
    }

    const QList<QLabel*> labels = form.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), QString::fromUtf8("Таймаут, S"));

    // Positions follow the dialog font's units, every control inside the form.
    const DialogBaseUnits units = DialogFontBaseUnits(form.font());
    const PixelRect expected = MapDialogRect({10, 15, 363, 167}, units);
    EXPECT_EQ(dump->geometry(), QRect(expected.x, expected.y, expected.width, expected.height));
    const QRect formRect(QPoint(0, 0), DialogPixelSize(res::FormTemplate(), form.font()));
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(formRect.contains(child->geometry())) << ControlIdOf(child);
}

TEST_F(DialogLayout, UnknownCustomClassFailsTheForm)
{
    QWidget form;
    EXPECT_FALSE(CreateDialogControls(&form, res::FormTemplate(), {}));
    EXPECT_FALSE(CreateDialogControls(
        &form, res::FormTemplate(),
        [](const std::string&, QWidget*, std::uint32_t) -> QWidget* { return nullptr; }));
}

TEST_F(DialogLayout, AboutBoxShowsItsTextsAndClosesWithTheDefaultButton)
{
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("Инфо"));
    QStringList texts;
    int icons = 0;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) {
            ++icons;
        } else {
            texts << label->text();
        }
    }
    EXPECT_EQ(icons, 1);
    EXPECT_EQ(texts, (QStringList{"Reader ZAQ for K-L adapter",
                                  QString::fromStdString("Version " + std::string(res::ProgramVersion()))}));
    auto* ok = FindControl<QPushButton>(&about, res::IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QString::fromUtf8("ВЫход"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(about.size(), DialogPixelSize(res::AboutTemplate(), about.font()));
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);

    about.show();
    ok->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}
