// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace dumpedit {

// The questions the dump editor asks (go to address, find). Tests substitute their own.
class IDumpPrompts {
public:
    virtual ~IDumpPrompts() = default;
    // A one-line text from the user; nothing when cancelled.
    virtual std::optional<QString> AskText(QWidget* parent, const QString& title, const QString& label,
                                           const QString& initial) = 0;
};

}  // namespace dumpedit
