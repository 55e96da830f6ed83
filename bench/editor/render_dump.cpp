// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the dump editor with a 256-byte dump, a selection and a marked range to a PNG,
// without a display: dump-render OUT.png [focus]
#include <QApplication>
#include <QPixmap>

#include <cstdio>
#include <cstring>

#include "bench/editor/DemoDump.h"
#include "dumpedit/widget/CDumpEdit.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [focus]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    dumpedit::CDumpEdit edit(nullptr, dumpedit::CDumpEdit::DES_MULTILINE | dumpedit::CDumpEdit::WS_BORDER |
                                          dumpedit::CDumpEdit::WS_TABSTOP);
    DemoDump dump;
    dump.Attach(edit);
    edit.SetMarkedRange(0x44, 0x8A, false, true);
    edit.SetSelection(0x12, 0x25, false, true);
    edit.show();
    if (argc > 2 && std::strcmp(argv[2], "focus") == 0) {
        QApplication::setActiveWindow(&edit);
        edit.setFocus();
    }
    QApplication::processEvents();
    QApplication::processEvents();
    if (!edit.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
