// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DialogBuilder.h"

#include "app/PopupComboBox.h"
#include "res/StringTable.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ControlId.h"

namespace app {

namespace {

QWidget* MakeControl(const res::DialogControl& control, QWidget* parent,
                     const CustomControlFactory& customFactory)
{
    const QString text =
        control.text.empty() ? QString() : QString::fromStdString(res::Localize(control.text));
    switch (control.kind) {
    case res::ControlKind::Custom:
        return customFactory ? customFactory(control.className, parent, control.style) : nullptr;
    case res::ControlKind::GroupBox: {
        auto* box = new QGroupBox(text, parent);
        // A group box only frames its neighbours; clicks go to the controls it encloses.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setFocusPolicy(Qt::NoFocus);
        return box;
    }
    case res::ControlKind::PushButton:
    case res::ControlKind::DefaultPushButton: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault(control.kind == res::ControlKind::DefaultPushButton);
        return button;
    }
    case res::ControlKind::ComboBox: {
        auto* combo = new PopupComboBox(parent);
        combo->setEditable(false);
        return combo;
    }
    case res::ControlKind::Static:
        return new QLabel(text, parent);
    case res::ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        if (control.style & res::StyleEditCenter)
            edit->setAlignment(Qt::AlignCenter);
        return edit;
    }
    case res::ControlKind::Icon: {
        auto* icon = new QLabel(parent);
        icon->setPixmap(QIcon(QStringLiteral(":/icons/probex.png")).pixmap(32, 32));
        return icon;
    }
    }
    return nullptr;
}

}  // namespace

DialogBaseUnits DialogFontBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    return BaseUnitsFromFontMetrics(
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
        metrics.height());
}

QSize DialogPixelSize(const res::DialogTemplate& dialog, const QFont& font)
{
    const PixelRect r = MapDialogRect({0, 0, dialog.cx, dialog.cy}, DialogFontBaseUnits(font));
    return {r.width, r.height};
}

bool CreateDialogControls(QWidget* parent, const res::DialogTemplate& dialog,
                          const CustomControlFactory& customFactory)
{
    const DialogBaseUnits units = DialogFontBaseUnits(parent->font());
    QWidget* previous = nullptr;
    for (const res::DialogControl& control : dialog.controls) {
        QWidget* widget = MakeControl(control, parent, customFactory);
        if (!widget)
            return false;
        if (control.id != res::kNoId)
            SetControlId(widget, control.id);
        const PixelRect r = MapDialogRect(control.rect, units);
        QSize size(r.width, r.height);
        if (control.kind == res::ControlKind::Icon) {
            size = QSize(32, 32);
        } else if (control.kind == res::ControlKind::ComboBox) {
            size.setHeight(widget->sizeHint().height());  // the template's height includes the list
        }
        widget->setGeometry(r.x, r.y, size.width(), size.height());
        if (widget->focusPolicy() != Qt::NoFocus && !(control.style & res::StyleTabStop))
            widget->setFocusPolicy(Qt::ClickFocus);
        if (previous && widget->focusPolicy() & Qt::TabFocus)
            QWidget::setTabOrder(previous, widget);
        if (widget->focusPolicy() & Qt::TabFocus)
            previous = widget;
        widget->show();
    }
    return true;
}

}  // namespace app
