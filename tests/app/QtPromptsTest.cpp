// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/docview/CQtPrompts.h"
#include "tests/app/support/QtTestApplication.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace app;

namespace {

// Runs `act` on the modal window once it is up. Should `act` leave the window open (a failed
// assertion returns early), the window is rejected so the test goes on.
void WhenModalShows(const std::function<void(QWidget*)>& act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible()) {
            ADD_FAILURE() << "the modal window was left open";
            dialog->reject();
        }
    });
    timer->start();
}

class QtPrompts : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureQApplication();
        savedName_ = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName("Probex");
    }
    void TearDown() override { QCoreApplication::setApplicationName(savedName_); }

    CQtPrompts prompts_;
    QString savedName_;
};

TEST_F(QtPrompts, MessageBoxCarriesTheApplicationTitleTextIconAndButtons)
{
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QAbstractButton* defaultButton = nullptr;
    WhenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        defaultButton = box->defaultButton();
        box->button(QMessageBox::No)->click();
    });
    const auto answer =
        prompts_.ShowMessage("This is a last operation?", MessageButtons::YesNo, MessageIcon::Question);
    EXPECT_EQ(answer, MessageAnswer::No);
    EXPECT_EQ(caption, "Probex");
    EXPECT_EQ(text, "This is a last operation?");
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_NE(defaultButton, nullptr);
}

TEST_F(QtPrompts, EachButtonSetAndIconMapsToItsAnswer)
{
    struct Case {
        MessageButtons buttons;
        MessageIcon icon;
        QMessageBox::StandardButton click;
        QMessageBox::Icon qtIcon;
        MessageAnswer answer;
    };
    const Case cases[] = {
        {MessageButtons::Ok, MessageIcon::Error, QMessageBox::Ok, QMessageBox::Critical, MessageAnswer::Ok},
        {MessageButtons::OkCancel, MessageIcon::Information, QMessageBox::Cancel, QMessageBox::Information,
         MessageAnswer::Cancel},
        {MessageButtons::YesNoCancel, MessageIcon::Exclamation, QMessageBox::Yes, QMessageBox::Warning,
         MessageAnswer::Yes},
        {MessageButtons::YesNoCancel, MessageIcon::Exclamation, QMessageBox::Cancel, QMessageBox::Warning,
         MessageAnswer::Cancel},
    };
    for (const Case& c : cases) {
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        WhenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            shownIcon = box->icon();
            box->button(c.click)->click();
        });
        EXPECT_EQ(prompts_.ShowMessage("text", c.buttons, c.icon), c.answer);
        EXPECT_EQ(shownIcon, c.qtIcon);
    }
}

TEST_F(QtPrompts, EscapeGivesTheCancellingAnswer)
{
    WhenModalShows([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(prompts_.ShowMessage("Save changes to No file?", MessageButtons::YesNoCancel,
                                   MessageIcon::Exclamation),
              MessageAnswer::Cancel);
    WhenModalShows([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(prompts_.ShowMessage("Sure?", MessageButtons::YesNo, MessageIcon::Question), MessageAnswer::No);
}

class QtFileDialogs : public QtPrompts {
protected:
    void SetUp() override
    {
        QtPrompts::SetUp();
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"dump", "image.bin"}) {
            QFile file(dir_.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }

    QTemporaryDir dir_;
};

TEST_F(QtFileDialogs, OpenDialogListsFilesWithoutExtensionUnderAllFiles)
{
    QString title;
    QStringList filters;
    WhenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        auto* model = dialog->findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        dialog->setDirectory(dir_.path());
        // The listing is filled in the background; wait until both files are there.
        const QModelIndex root = model->index(dir_.path());
        (void)QTest::qWaitFor([&] { return model->rowCount(root) == 2; });
        EXPECT_EQ(model->rowCount(root), 2);
        EXPECT_TRUE(model->index(dir_.filePath("dump")).isValid());
        EXPECT_TRUE(model->index(dir_.filePath("dump")).flags() & Qt::ItemIsEnabled);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("dump");
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto path = prompts_.AskOpenFileName("Open", "All Files (*.*)", QString());
    EXPECT_EQ(title, "Open");
    EXPECT_EQ(filters, QStringList{"All Files (*.*)"});
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, dir_.filePath("dump"));
}

TEST_F(QtFileDialogs, SaveDialogProposesTheNameAndAddsNoExtension)
{
    QString proposed;
    WhenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        auto* nameEdit = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(nameEdit, nullptr);
        proposed = nameEdit->text();
        dialog->setDirectory(dir_.path());
        nameEdit->setText("new dump");
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto path = prompts_.AskSaveFileName("Save As", "All Files (*.*)", "No file");
    EXPECT_EQ(proposed, "No file");
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, dir_.filePath("new dump"));
}

TEST_F(QtFileDialogs, CancelledDialogGivesNoPath)
{
    WhenModalShows([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_FALSE(prompts_.AskSaveFileName("Save As", "All Files (*.*)", dir_.filePath("dump")).has_value());
}

}  // namespace
