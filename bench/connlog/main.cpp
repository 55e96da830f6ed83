// SPDX-License-Identifier: GPL-3.0-or-later
// The UI thread's cost of one poll of the connection log window while it follows a transfer:
// the log holds 200,000 lines (twenty full writes), each poll finds 200 new ones.
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <numeric>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "app/CConnectionLogDlg.h"
#include "app/ConnectionLog.h"

namespace {

constexpr int kConnections = 20;
constexpr int kLinesPerConnection = 10000;
constexpr int kNewLinesPerPoll = 200;

// A trace line as the engine writes them while sending a frame.
std::string TraceLine(int n)
{
    char text[64];
    std::snprintf(text, sizeof text, "%6d ms  sent %02X, echo %02X", n / 3, n & 0xFF, n & 0xFF);
    return text;
}

double ThreadCpuMicroseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

long PeakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    bool counted = true;
    const int polls = argc > 1 ? QByteArray(argv[1]).toInt(&counted) : 20;
    if (!counted || polls <= 0) {
        std::fprintf(stderr, "usage: bench-connection-log [POLLS]\n");
        return 2;
    }

    app::ConnectionLog log;
    // The last connection is the one under way.
    for (int c = 0; c < kConnections; ++c) {
        if (c > 0)
            log.ConnectionEnded(device::TraceEnd{});
        log.ConnectionBegan(device::TraceBegin{});
        for (int i = 0; i < kLinesPerConnection; ++i)
            log.TraceLine(TraceLine(i));
    }

    app::CConnectionLogDlg window(log, nullptr);
    window.show();
    window.Refresh();
    QApplication::processEvents();

    // Each poll finds 200 new lines; every 10,000 a connection ends and the next begins, so the
    // oldest leave the log and the screen while it is measured.
    std::vector<double> cpu, refreshCpu;
    double wall = 0;
    int line = 0;
    for (int poll = 0; poll < polls; ++poll) {
        for (int i = 0; i < kNewLinesPerPoll; ++i) {
            if (++line % kLinesPerConnection == 0) {
                log.ConnectionEnded(device::TraceEnd{});
                log.ConnectionBegan(device::TraceBegin{});
            }
            log.TraceLine(TraceLine(line));
        }
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = ThreadCpuMicroseconds();
        window.Refresh();
        refreshCpu.push_back(ThreadCpuMicroseconds() - cpuStart);
        QApplication::processEvents();  // the repaint the new lines ask for
        cpu.push_back(ThreadCpuMicroseconds() - cpuStart);
        wall += static_cast<double>(timer.nsecsElapsed()) / 1000.0;
    }
    const auto mean = [](const std::vector<double>& values) {
        return std::accumulate(values.begin(), values.end(), 0.0) / double(values.size()) / 1000;
    };
    const double meanCpu = mean(cpu), meanRefresh = mean(refreshCpu);
    std::sort(cpu.begin(), cpu.end());
    const std::string text = log.Text();
    const auto keptLines = std::count(text.begin(), text.end(), '\n');
    std::printf(
        "connection log poll (%d lines kept, %zu bytes of text, %d new per poll, %d lines on screen), "
        "over %d polls: %.2f ms CPU per poll (%.2f ms of it before the repaint), median %.2f ms, "
        "worst %.2f ms; %.2f ms wall; peak resident %ld MiB\n",
        int(keptLines), text.size(), kNewLinesPerPoll, window.TextView()->blockCount(), polls, meanCpu,
        meanRefresh, cpu[cpu.size() / 2] / 1000, cpu.back() / 1000, wall / polls / 1000, PeakResidentMiB());
    return 0;
}
