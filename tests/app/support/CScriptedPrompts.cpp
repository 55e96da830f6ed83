// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/support/CScriptedPrompts.h"

namespace app {

namespace {

MessageAnswer CancellingAnswer(MessageButtons buttons)
{
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

}  // namespace

CScriptedPrompts::CScriptedPrompts() : previous_(InstallPrompts(this)) {}

CScriptedPrompts::~CScriptedPrompts()
{
    InstallPrompts(previous_);
}

MessageAnswer CScriptedPrompts::ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon)
{
    prompts.push_back({Kind::Message, text, buttons, icon, {}, {}});
    if (onPrompt)
        onPrompt(prompts.back());
    if (answers_.empty())
        return CancellingAnswer(buttons);
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<QString> CScriptedPrompts::AskOpenFileName(const QString& title, const QString& filter,
                                                         const QString& proposedName)
{
    return AskFileName(Kind::OpenFile, title, filter, proposedName);
}

std::optional<QString> CScriptedPrompts::AskSaveFileName(const QString& title, const QString& filter,
                                                         const QString& proposedName)
{
    return AskFileName(Kind::SaveFile, title, filter, proposedName);
}

std::optional<QString> CScriptedPrompts::AskFileName(Kind kind, const QString& title, const QString& filter,
                                                     const QString& proposedName)
{
    prompts.push_back({kind, title, MessageButtons::Ok, MessageIcon::None, filter, proposedName});
    if (onPrompt)
        onPrompt(prompts.back());
    std::optional<QString> path;
    if (!fileNames_.empty()) {
        path = std::move(fileNames_.front());
        fileNames_.pop_front();
    }
    return path;
}

std::vector<QString> CScriptedPrompts::MessageTexts() const
{
    std::vector<QString> texts;
    for (const Prompt& prompt : prompts) {
        if (prompt.kind == Kind::Message)
            texts.push_back(prompt.text);
    }
    return texts;
}

}  // namespace app
