// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PortList.h"

#include <algorithm>

namespace app {

QStringList BuildPortList(const PortProbe& isPortFree, const std::vector<std::string>& devicePaths)
{
    QStringList comPorts;
    for (unsigned n = 1; n <= 16; ++n) {
        const QString name = QStringLiteral("COM%1").arg(n);
        if (isPortFree(name.toStdString()))
            comPorts << name;
    }
    std::ranges::stable_sort(comPorts, [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    for (const std::string& path : devicePaths) {
        if (isPortFree(path))
            comPorts << QString::fromStdString(path);
    }
    return comPorts;
}

int FindItemWithPrefix(const QComboBox& combo, const QString& prefix)
{
    for (int i = 0; i < combo.count(); ++i) {
        if (combo.itemText(i).startsWith(prefix, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

}  // namespace app
