// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

#include <chrono>

namespace app {

// The window around the form view, as far as the view needs it: the status bar's texts and the
// client area's size.
class ViewFrame {
public:
    virtual ~ViewFrame() = default;

    // The editor's caret position and value, in its own pane.
    virtual void ShowCaretText(const QString& text) = 0;
    // A short note (a failed search) that goes away after `duration`.
    virtual void ShowTransientMessage(const QString& text, std::chrono::milliseconds duration) = 0;
    // What the last device operation came to, where the idle prompt stands, until the next
    // operation starts; an empty text clears it.
    virtual void ShowOutcome(const QString& text) = 0;
    // Makes this the client area's smallest size, growing the window when it is smaller.
    virtual void FitClientTo(QSize clientSize) = 0;
};

}  // namespace app
