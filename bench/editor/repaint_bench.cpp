// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one full repaint of the 256-byte dump, and of the single-row repaint the view asks for
// per transferred byte; the drawing alone, also with every byte drawn as changed.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdio>
#include <ctime>

#include "bench/editor/DemoDump.h"
#include "dumpedit/widget/CDumpEdit.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    bool counted = true;
    const int repaints = argc > 1 ? QByteArray(argv[1]).toInt(&counted) : 2000;
    if (!counted || repaints <= 0) {
        std::fprintf(stderr, "usage: bench-editor-repaint [REPAINTS]\n");
        return 2;
    }
    dumpedit::CDumpEdit edit(nullptr, dumpedit::CDumpEdit::DES_MULTILINE | dumpedit::CDumpEdit::WS_BORDER |
                                          dumpedit::CDumpEdit::WS_TABSTOP);
    DemoDump dump;
    dump.Attach(edit);
    edit.SetMarkedRange(0x00, 0xFF, false, true);
    edit.SetSelection(0x12, 0x25, false, true);
    edit.show();
    QApplication::processEvents();

    for (int i = 0; i < 50; ++i) {
        edit.viewport()->repaint();
    }
    // CPU time as well as wall time: the machine may be shared with other work.
    const auto cpuNow = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
    };
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = cpuNow();
    for (int i = 0; i < repaints; ++i) {
        dump.bytes[static_cast<std::size_t>(i) & 0xFF] ^= 0x5A;
        edit.viewport()->repaint();
    }
    const double cpu = (cpuNow() - cpuStart) / repaints;
    const double wall = static_cast<double>(timer.nsecsElapsed()) / 1000.0 / repaints;
    std::printf("editor full repaint (256 bytes, %dx%d viewport): %.1f us CPU, %.1f us wall per repaint over "
                "%d repaints\n",
                edit.viewport()->width(), edit.viewport()->height(), cpu, wall, repaints);

    // One byte changed, its row repainted, as during a transfer.
    struct PaintCount : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::Paint;
            return false;
        }
    } paints;
    edit.viewport()->installEventFilter(&paints);
    timer.restart();
    const double rowStart = cpuNow();
    for (int i = 0; i < repaints; ++i) {
        const auto index = static_cast<quint32>(i) & 0xFF;
        dump.bytes[index] ^= 0x5A;
        edit.RedrawByte(index);
        QCoreApplication::sendPostedEvents();
    }
    const double rowCpu = (cpuNow() - rowStart) / repaints;
    const double rowWall = static_cast<double>(timer.nsecsElapsed()) / 1000.0 / repaints;
    edit.viewport()->removeEventFilter(&paints);
    std::printf("editor single-row repaint (RedrawByte): %.1f us CPU, %.1f us wall per repaint over %d "
                "repaints (%d paints)\n",
                rowCpu, rowWall, repaints, paints.count);

    // The control's own drawing alone, without the window system's repaint around it.
    QImage image(edit.viewport()->size(), QImage::Format_RGB32);
    const double drawStart = cpuNow();
    for (int i = 0; i < repaints; ++i) {
        QPainter painter(&image);
        edit.PaintTo(painter);
    }
    std::printf("editor drawing alone: %.1f us CPU per paint\n", (cpuNow() - drawStart) / repaints);

    // The same with every byte changed since the dump was attached, so each is drawn in the
    // changed colour.
    const DemoDump reference;
    for (std::size_t i = 0; i < dump.bytes.size(); ++i) {
        dump.bytes[i] = static_cast<std::uint8_t>(reference.bytes[i] ^ 0xFF);
    }
    const double changedStart = cpuNow();
    for (int i = 0; i < repaints; ++i) {
        QPainter painter(&image);
        edit.PaintTo(painter);
    }
    std::printf("editor drawing alone, every byte changed: %.1f us CPU per paint\n",
                (cpuNow() - changedStart) / repaints);
    return 0;
}
