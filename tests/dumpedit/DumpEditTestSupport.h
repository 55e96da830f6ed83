// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QImage>
#include <QObject>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dumpedit/widget/CDumpEdit.h"

namespace dumpedit_test {

// The one QApplication of a widget test program (offscreen platform), made by its main.
QApplication& App();

// Shows the control as its own window, activates it and gives it the focus.
void ShowFocused(QWidget& widget);

// Lets queued work (scroll-bar updates, repaints) run.
void Settle();

// The control's client area as the next paint draws it.
QImage Render(dumpedit::CDumpEdit& edit);

// Counts paint events of a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* target);
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A shown control of the given client size (no frame) over `bytes`.
std::unique_ptr<dumpedit::CDumpEdit> MakeEdit(quint8* bytes, quint32 size, QSize client,
                                              quint32 style = dumpedit::CDumpEdit::DES_MULTILINE);

// Sends mouse events straight to the control's client area.
void MouseAt(dumpedit::CDumpEdit& edit, QEvent::Type type, QPoint client, Qt::MouseButton button,
             Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The client point at the middle of a byte's high digit (its row must be in view).
QPoint HighDigitCentre(dumpedit::CDumpEdit& edit, quint32 pos);

// An in-memory clipboard.
class FakeClipboard : public dumpedit::IDumpClipboard {
public:
    void Offer(const std::vector<std::uint8_t>& binaryBlock, const std::string& text) override;
    bool HasBinaryData() const override { return binary.has_value(); }
    std::optional<std::vector<std::uint8_t>> BinaryData() const override { return binary; }
    std::optional<std::string> Text() const override { return plain; }

    std::optional<std::vector<std::uint8_t>> binary;
    std::string text;
    int offers = 0;
    // What Text() hands out: text put there by another program (Offer leaves it alone).
    std::optional<std::string> plain;
};

}  // namespace dumpedit_test
