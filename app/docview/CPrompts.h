// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace app {

enum class MessageButtons {
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel
};
enum class MessageIcon {
    None,
    Error,
    Exclamation,
    Question,
    Information
};
enum class MessageAnswer {
    Ok,
    Cancel,
    Yes,
    No
};

// Every modal interaction of the program goes through the installed CPrompts, so tests can
// answer questions and file dialogs without a window ever blocking.
class CPrompts {
public:
    virtual ~CPrompts() = default;

    // A modal message box captioned with the application's name (QCoreApplication).
    virtual MessageAnswer ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon) = 0;
    // The open and save dialogs; nullopt when the user cancels. No extension is ever added. A
    // proposed name that is a folder opens the dialog there.
    virtual std::optional<QString> AskOpenFileName(const QString& title, const QString& filter,
                                                   const QString& proposedName) = 0;
    virtual std::optional<QString> AskSaveFileName(const QString& title, const QString& filter,
                                                   const QString& proposedName) = 0;
};

// The installed implementation: the Qt dialogs unless something else was installed.
CPrompts& Prompts();
// Installs prompts (not owned); nullptr restores the Qt dialogs. Returns the previous ones.
CPrompts* InstallPrompts(CPrompts* prompts);

}  // namespace app
