// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PortList.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>

#include "app/ResourceText.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace app {

namespace {

constexpr int kAvailableRole = Qt::UserRole;

QTreeView* TwoColumnList(QComboBox& combo)
{
    if (auto* view = qobject_cast<QTreeView*>(combo.view()))
        return view;
    auto* model = new QStandardItemModel(0, 2, &combo);
    combo.setModel(model);
    auto* view = new QTreeView(&combo);
    view->setHeaderHidden(true);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setAllColumnsShowFocus(true);
    view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->header()->setStretchLastSection(false);
    combo.setView(view);
    return view;
}

}  // namespace

QString PortDetailText(const platform::PortEntry& port)
{
    QString text = QString::fromStdString(port.description);
    QString availability;
    if (port.availability == platform::PortAvailability::Busy) {
        availability = LoadText(res::IDS_PORT_BUSY);
    } else if (port.availability == platform::PortAvailability::NoAccess) {
        availability = LoadText(res::IDS_PORT_NO_ACCESS);
    }
    if (!availability.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(" - ")) + availability;
    return text;
}

void FillPortCombo(QComboBox& combo, const std::vector<platform::PortEntry>& ports)
{
    QTreeView* view = TwoColumnList(combo);
    auto* model = qobject_cast<QStandardItemModel*>(combo.model());
    const QBrush grey = combo.palette().brush(QPalette::Disabled, QPalette::Text);
    const QFontMetrics metrics(view->font());
    int nameWidth = 0;
    int detailWidth = 0;
    for (const platform::PortEntry& port : ports) {
        auto* name = new QStandardItem(QString::fromStdString(port.name));
        auto* detail = new QStandardItem(PortDetailText(port));
        const bool available = port.availability == platform::PortAvailability::Free;
        name->setData(available, kAvailableRole);
        name->setToolTip(QString::fromStdString(port.path));
        if (!available) {
            name->setForeground(grey);
            detail->setForeground(grey);
        }
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(name->text()));
        detailWidth = std::max(detailWidth, metrics.horizontalAdvance(detail->text()));
        model->appendRow({name, detail});
    }
    // The list drops down wide enough for both columns, whatever the closed box's width.
    constexpr int kCellMargins = 4 * 8;
    view->setMinimumWidth(nameWidth + detailWidth + kCellMargins);
}

int FindItemWithPrefix(const QComboBox& combo, const QString& prefix)
{
    int anyMatch = -1;
    for (int i = 0; i < combo.count(); ++i) {
        if (!combo.itemText(i).startsWith(prefix, Qt::CaseInsensitive))
            continue;
        const QVariant available = combo.itemData(i, kAvailableRole);
        if (!available.isValid() || available.toBool())
            return i;
        if (anyMatch < 0)
            anyMatch = i;
    }
    return anyMatch;
}

}  // namespace app
