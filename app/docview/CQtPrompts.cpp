// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/docview/CQtPrompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMessageBox>

namespace app {

namespace {

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// The first button of each set is the default, as the keyboard user expects.
QMessageBox::StandardButton DefaultButton(MessageButtons buttons)
{
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? QMessageBox::Yes
                                                                                      : QMessageBox::Ok;
}

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// Closing the box without a button (Escape, the window's close button) counts as its
// cancelling answer.
MessageAnswer FromQtAnswer(int clicked, MessageButtons buttons)
{
    switch (clicked) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

// "*.*" means every file to the user; here a file name needs no dot, so the pattern is
// widened to "*" while the filter keeps its text.
void ShowAllFilesForStarDotStar(QFileDialog& dialog, const QString& filter)
{
    if (!filter.contains(QStringLiteral("(*.*)")))
        return;
    auto widen = [&dialog] {
        if (auto* model = dialog.findChild<QFileSystemModel*>())
            model->setNameFilters({QStringLiteral("*")});
    };
    widen();
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, widen);
}

std::optional<QString> RunFileDialog(QFileDialog::AcceptMode mode, const QString& title,
                                     const QString& filter, const QString& proposedName)
{
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    ShowAllFilesForStarDotStar(dialog, filter);
    if (QFileInfo(proposedName).isDir()) {
        dialog.setDirectory(proposedName);
    } else if (!proposedName.isEmpty()) {
        dialog.selectFile(proposedName);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return files.first();
}

}  // namespace

MessageAnswer CQtPrompts::ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(ToQtIcon(icon), QCoreApplication::applicationName(), text, ToQtButtons(buttons),
                    QApplication::activeWindow());
    box.setDefaultButton(DefaultButton(buttons));
    return FromQtAnswer(box.exec(), buttons);
}

std::optional<QString> CQtPrompts::AskOpenFileName(const QString& title, const QString& filter,
                                                   const QString& proposedName)
{
    return RunFileDialog(QFileDialog::AcceptOpen, title, filter, proposedName);
}

std::optional<QString> CQtPrompts::AskSaveFileName(const QString& title, const QString& filter,
                                                   const QString& proposedName)
{
    return RunFileDialog(QFileDialog::AcceptSave, title, filter, proposedName);
}

}  // namespace app
