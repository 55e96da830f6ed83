// The UI thread's cost of one poll of the connection log window while it follows a transfer:
// the log holds 200,000 lines (twenty full writes), each poll finds 200 new ones.
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

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

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int polls = argc > 1 ? std::atoi(argv[1]) : 20;

    app::ConnectionLog log;
    // The last connection is the one under way.
    for (int c = 0; c < kConnections; ++c) {
        if (c > 0)
            log.ConnectionEnded(device::TraceEnd{});
        log.ConnectionBegan();
        for (int i = 0; i < kLinesPerConnection; ++i)
            log.TraceLine(TraceLine(i));
    }

    app::CConnectionLogDlg window(log, nullptr);
    window.show();
    window.Refresh();
    QApplication::processEvents();

    int line = 0;
    double cpu = 0, wall = 0, worst = 0;
    for (int poll = 0; poll < polls; ++poll) {
        for (int i = 0; i < kNewLinesPerPoll; ++i)
            log.TraceLine(TraceLine(line++));
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = ThreadCpuMicroseconds();
        window.Refresh();
        QApplication::processEvents();  // the repaint the new lines ask for
        const double pollCpu = ThreadCpuMicroseconds() - cpuStart;
        cpu += pollCpu;
        wall += static_cast<double>(timer.nsecsElapsed()) / 1000.0;
        worst = std::max(worst, pollCpu);
    }
    const std::string text = log.Text();
    const auto keptLines = std::count(text.begin(), text.end(), '\n');
    std::printf("connection log poll (%d lines kept, %zu bytes of text, %d new per poll, %d lines on "
                "screen): %.2f ms CPU, %.2f ms wall per poll, worst %.2f ms CPU, over %d polls\n",
                int(keptLines), text.size(), kNewLinesPerPoll, window.TextView()->blockCount(),
                cpu / polls / 1000, wall / polls / 1000, worst / 1000, polls);
    return 0;
}
