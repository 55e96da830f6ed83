// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The COM-port list of the form: its closed face shows the port's name, its drop-down list shows
// beside each name what is behind the port, and a port that is busy or may not be opened in grey
// with that said. The order is the platform's (COM names as text, then devices by path).
#include <QComboBox>
#include <QString>
#include <vector>

#include "platform/SerialPortList.h"

namespace app {

// Fills an empty combo box; the first call gives it its two-column list.
void FillPortCombo(QComboBox& combo, const std::vector<platform::PortEntry>& ports);

// The list's second column: "FT232R USB UART (FTDI), ftdi_sio - busy".
QString PortDetailText(const platform::PortEntry& port);

// Index of the first item that begins with prefix, case-insensitive, a port that can be opened
// before one that cannot; -1 when none.
int FindItemWithPrefix(const QComboBox& combo, const QString& prefix);

}  // namespace app
