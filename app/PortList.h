// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The COM-port list of the form: the free ports among COM1..COM16, sorted as text without regard
// to case (so COM10..COM16 come between COM1 and COM2), then the free serial devices by path.
#include <QComboBox>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

namespace app {

using PortProbe = std::function<bool(const std::string& portName)>;

QStringList BuildPortList(const PortProbe& isPortFree, const std::vector<std::string>& devicePaths);

// Index of the first item that begins with prefix, case-insensitive; -1 when none.
int FindItemWithPrefix(const QComboBox& combo, const QString& prefix);

}  // namespace app
