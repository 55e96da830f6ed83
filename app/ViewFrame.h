// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

namespace app {

// The window around the form view, as far as the view needs it: the status bar's texts and the
// client area's size.
class ViewFrame {
public:
    virtual ~ViewFrame() = default;

    // The editor's caret position and value, in its own pane.
    virtual void ShowCaretText(const QString& text) = 0;
    // A note on what the user just did (a paste refused, a failed search): it stays until the
    // user's next key or click.
    virtual void ShowNote(const QString& text) = 0;
    // What the last device operation came to, where the idle prompt stands, until the next
    // operation starts; an empty text clears it.
    virtual void ShowOutcome(const QString& text) = 0;
    // Makes this the client area's smallest size, growing the window when it is smaller.
    virtual void FitClientTo(QSize clientSize) = 0;
};

}  // namespace app
