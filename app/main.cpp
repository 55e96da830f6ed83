// Probex: reads and writes the EEPROM of a ZAQ device through a K-line adapter.
#include <QApplication>

#include "CProbexApp.h"

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);  // the command line is not examined
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationName(CProbexApp::Title());
    CProbexApp app;
    if (!app.InitInstance())
        return 1;
    return QApplication::exec();
}
