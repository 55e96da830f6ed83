// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/dumpedit/DumpEditTestSupport.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cstdint>

namespace dumpedit_test {

QApplication& App()
{
    return *qobject_cast<QApplication*>(QCoreApplication::instance());
}

void ShowFocused(QWidget& widget)
{
    widget.show();
    widget.activateWindow();
    QApplication::setActiveWindow(&widget);
    widget.setFocus(Qt::OtherFocusReason);
    Settle();
}

void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

QImage Render(dumpedit::CDumpEdit& edit)
{
    QImage image(edit.viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    edit.PaintTo(painter);
    return image;
}

PaintCounter::PaintCounter(QWidget* target)
{
    target->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        ++count;
    }
    return false;
}

std::unique_ptr<dumpedit::CDumpEdit> MakeEdit(quint8* bytes, quint32 size, QSize client, quint32 style)
{
    App();
    auto edit = std::make_unique<dumpedit::CDumpEdit>(nullptr, style);
    edit->resize(client);
    edit->SetBuffer(bytes, size, true);
    // The viewport takes its size when the window is shown.
    edit->show();
    Settle();
    return edit;
}

void MouseAt(dumpedit::CDumpEdit& edit, QEvent::Type type, QPoint client, Qt::MouseButton button,
             Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(client), edit.viewport()->mapToGlobal(QPointF(client)), button, buttons,
                      modifiers);
    QApplication::sendEvent(edit.viewport(), &event);
}

QPoint HighDigitCentre(dumpedit::CDumpEdit& edit, quint32 pos)
{
    const auto& l = edit.Layout();
    const int row = static_cast<int>(pos / l.bytesPerRow) - static_cast<int>(edit.TopRow());
    const int col = static_cast<int>(pos % l.bytesPerRow);
    return {l.textRect.left + l.hexX - edit.HorzPos() + 3 * col * l.charWidth + l.charWidth / 4,
            l.textRect.top + row * l.lineHeight + l.lineHeight / 2};
}

void FakeClipboard::Offer(const std::vector<std::uint8_t>& binaryBlock, const std::string& offeredText)
{
    binary = binaryBlock;
    text = offeredText;
    ++offers;
}

}  // namespace dumpedit_test
