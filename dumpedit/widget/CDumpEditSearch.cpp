// SPDX-License-Identifier: GPL-3.0-or-later
// Go to address and find in CDumpEdit.
#include "dumpedit/core/DumpHexText.h"
#include "dumpedit/core/DumpRowText.h"
#include "dumpedit/core/DumpSearch.h"
#include "dumpedit/widget/CDumpEdit.h"
#include "dumpedit/widget/QtDumpPrompts.h"

#include <cstdint>

namespace dumpedit {

void CDumpEdit::SetPrompts(IDumpPrompts* prompts)
{
    prompts_ = prompts;
}

IDumpPrompts& CDumpEdit::Prompts() const
{
    return prompts_ != nullptr ? *prompts_ : CQtDumpPrompts::Instance();
}

void CDumpEdit::GoToAddress()
{
    if (!HasBytes()) {
        return;
    }
    const QString range =
        QStringLiteral("%1-%2").arg(QString::fromStdString(FormatAddressLabel(0, addressDigits_)),
                                    QString::fromStdString(FormatAddressLabel(size_ - 1, addressDigits_)));
    const std::optional<QString> answer =
        Prompts().AskText(this, tr("Go to address"), tr("Address (hex, %1):").arg(range),
                          QString::fromStdString(FormatAddressLabel(caretPos_, addressDigits_)));
    if (!answer) {
        return;
    }
    const std::optional<std::uint32_t> pos = ParseHexAddress(answer->toLatin1().toStdString(), size_);
    if (!pos) {
        emit StatusMessage(tr("No address %1 in %2").arg(answer->trimmed(), range));
        return;
    }
    history_.CloseGroup();
    anchor_ = selFirst_ = selLast_ = kNoByte;
    EnsureVisible(*pos, *pos, true);
    PlaceCaret(*pos, true);
}

void CDumpEdit::Find()
{
    if (!HasBytes()) {
        return;
    }
    const std::optional<QString> answer =
        Prompts().AskText(this, tr("Find"), tr("Bytes in hex (3F A0 1B) or text:"), findQuery_);
    if (!answer) {
        return;
    }
    const std::optional<std::vector<std::uint8_t>> pattern = ParseFindQuery(std::u16string_view(
        reinterpret_cast<const char16_t*>(answer->utf16()), static_cast<size_t>(answer->size())));
    if (!pattern) {
        emit StatusMessage(tr("Nothing to find in \"%1\"").arg(*answer));
        return;
    }
    findQuery_ = *answer;
    findPattern_ = *pattern;
    SearchFrom(caretPos_);
}

void CDumpEdit::FindNext()
{
    if (!HasBytes()) {
        return;
    }
    if (findPattern_.empty()) {
        Find();
        return;
    }
    SearchFrom(caretPos_ + 1 < size_ ? caretPos_ + 1 : 0);
}

bool CDumpEdit::SearchFrom(quint32 from)
{
    const std::optional<std::uint32_t> hit = FindBytes(buffer_, size_, findPattern_, from);
    if (!hit) {
        emit StatusMessage(tr("Not found"));
        return false;
    }
    history_.CloseGroup();
    anchor_ = kNoByte;
    const auto last = static_cast<quint32>(*hit + findPattern_.size() - 1);
    SetSelection(*hit, last, true, false);
    EnsureVisible(*hit, *hit, false);
    PlaceCaret(*hit, true);
    viewport()->update();
    return true;
}

}  // namespace dumpedit
