// SPDX-License-Identifier: GPL-3.0-or-later
// Probex: reads and writes the EEPROM of a ZAQ device through a K-line adapter.
#include <QApplication>

#include "app/CProbexApp.h"
#include "app/ConnectionLog.h"
#include "res/ProgramVersion.h"

#include <cstdio>
#include <string_view>
#include <utility>

int main(int argc, char** argv)
{
    // Answered before Qt starts, so it needs no display.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::fputs(res::VersionText("probex").c_str(), stdout);
        return 0;
    }
    QApplication qt(argc, argv);  // the command line is not examined further
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    // Also the caption of every message box.
    QApplication::setApplicationName(app::CProbexApp::Title());
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Probex"));
    app::CProbexApp::Options options;
    options.connectionLogFile = app::ConnectionLog::DefaultFile();
    app::CProbexApp probex(std::move(options));
    if (!probex.InitInstance())
        return 1;
    return QApplication::exec();
}
