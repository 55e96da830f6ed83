// SPDX-License-Identifier: GPL-3.0-or-later
// Probex: reads and writes the EEPROM of a ZAQ device through a K-line adapter.
#include <QApplication>

#include "app/CProbexApp.h"
#include "app/ConnectionLog.h"
#include "app/InterfaceLanguage.h"
#include "app/StartupArguments.h"
#include "platform/UserFolders.h"
#include "res/ProgramVersion.h"
#include "res/TextCatalog.h"

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
    // --help and a wrong argument are answered before Qt looks for a display, in the same language.
    res::UseCatalog(res::InterfaceLanguageFromEnvironment());
    if (app::ParseStartupArguments({argv + 1, argv + argc}).help) {
        std::fputs(app::StartupUsage().c_str(), stdout);
        return 0;
    }
    QApplication qt(argc, argv);
    // Qt has taken its own options out by now.
    std::vector<std::string> args;
    for (const QString& arg : QApplication::arguments().mid(1))
        args.push_back(arg.toStdString());
    const app::StartupArguments start = app::ParseStartupArguments(args);
    if (!start.error.empty()) {
        std::fputs(start.error.c_str(), stderr);
        return 64;
    }
    app::InterfaceTranslation translation(app::InterfaceLanguageFromEnvironment());
    QApplication::setOrganizationName(QString::fromLatin1(platform::kProgramFolderName));
    // Also the caption of every message box.
    QApplication::setApplicationName(app::CProbexApp::Title());
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Probex"));
    app::CProbexApp::Options options;
    options.connectionLogFile = app::ConnectionLog::DefaultFile();
    options.openFile = QString::fromStdString(start.file);
    app::CProbexApp probex(std::move(options));
    if (!probex.InitInstance())
        return 1;
    return QApplication::exec();
}
