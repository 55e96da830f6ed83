// Time of one full repaint of the 256-byte dump (the view repaints once per transferred byte).
#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

#include "CDumpEdit.h"
#include "DemoDump.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int repaints = argc > 1 ? std::atoi(argv[1]) : 2000;
    CDumpEdit edit(nullptr, CDumpEdit::DES_MULTILINE | CDumpEdit::WS_BORDER | CDumpEdit::WS_TABSTOP);
    DemoDump dump;
    dump.Attach(edit);
    edit.SetMarkedRange(0x00, 0xFF, false, true);
    edit.SetSelection(0x12, 0x25, false, true);
    edit.show();
    QApplication::processEvents();

    for (int i = 0; i < 50; ++i) {
        edit.viewport()->repaint();
    }
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repaints; ++i) {
        dump.bytes[static_cast<std::size_t>(i) & 0xFF] ^= 0x5A;
        edit.viewport()->repaint();
    }
    const double us = static_cast<double>(timer.nsecsElapsed()) / 1000.0 / repaints;
    std::printf("editor full repaint (256 bytes, %dx%d viewport): %.1f us per repaint over %d repaints\n",
                edit.viewport()->width(), edit.viewport()->height(), us, repaints);
    return 0;
}
