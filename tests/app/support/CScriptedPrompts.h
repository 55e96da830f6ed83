// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/docview/CPrompts.h"

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace app {

// Test prompts: installs itself for its lifetime, records every prompt and answers from the
// prepared answers. Unprepared message boxes get their cancelling answer (Cancel, No or OK) and
// unprepared file dialogs are cancelled, so a test never blocks; compare `prompts` to catch them.
class CScriptedPrompts : public CPrompts {
public:
    enum class Kind {
        Message,
        OpenFile,
        SaveFile
    };

    struct Prompt {
        Kind kind;
        QString text;  // the message, or the dialog's title
        MessageButtons buttons = MessageButtons::Ok;
        MessageIcon icon = MessageIcon::None;
        QString filter;
        QString proposedName;
    };

    CScriptedPrompts();
    ~CScriptedPrompts() override;

    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    void QueueFileName(std::optional<QString> path) { fileNames_.push_back(std::move(path)); }

    MessageAnswer ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon) override;
    std::optional<QString> AskOpenFileName(const QString& title, const QString& filter,
                                           const QString& proposedName) override;
    std::optional<QString> AskSaveFileName(const QString& title, const QString& filter,
                                           const QString& proposedName) override;

    // The texts of the message boxes shown, in order.
    std::vector<QString> MessageTexts() const;

    std::vector<Prompt> prompts;
    // Runs while a prompt is up, before it is answered: lets a test look at the state then.
    std::function<void(const Prompt&)> onPrompt;

private:
    std::optional<QString> AskFileName(Kind kind, const QString& title, const QString& filter,
                                       const QString& proposedName);

    std::deque<MessageAnswer> answers_;
    std::deque<std::optional<QString>> fileNames_;
    CPrompts* previous_ = nullptr;
};

}  // namespace app
