// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/probex-cli/StopSignals.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#ifndef _WIN32
#include <pthread.h>
#endif

#include "operation/Operation.h"
#include "platform/StopSignal.h"
#ifdef _WIN32
#include "platform/windows/ConsoleStop.h"
#else
#include "platform/OpenLineSettings.h"
#endif

namespace probexcli {

namespace {

std::atomic<operation::Operation*> g_operation{nullptr};
std::atomic<platform::StopSignal*> g_stopSignal{nullptr};
volatile std::sig_atomic_t g_received = 0;

static_assert(std::atomic<operation::Operation*>::is_always_lock_free);

void RequestStop()
{
    if (operation::Operation* run = g_operation.load())
        run->RequestStop();
    if (platform::StopSignal* stop = g_stopSignal.load())
        stop->Raise();
}

#ifdef _WIN32

// Ctrl+C, Ctrl+Break and the console window closing stand for the signals; the handler runs on a
// thread of the system's.
void OnConsoleStop(platform::ConsoleStopCause cause)
{
    // A second Ctrl+C: the user will not wait for the clean close.
    if (g_received && cause == platform::ConsoleStopCause::Interrupt)
        std::_Exit(kExitSignal);
    g_received = 1;
    RequestStop();
}

}  // namespace

void InstallStopSignals()
{
    platform::InstallConsoleStop(OnConsoleStop);
}

void StartWorkerWithoutStopSignals(operation::Operation& run)
{
    run.StartWorker();
}

#else

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void OnStopSignal(int signal)
{
    const int savedErrno = errno;
    if (g_received) {
        // The second one: the user will not wait for the clean close. The process ends by this
        // signal once the handler returns (it is blocked until then), with every line given
        // its settings back first.
        platform::line::RestoreOpenLines();
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    } else {
        g_received = 1;
        RequestStop();
    }
    errno = savedErrno;
}

sigset_t StopSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kStopSignals)
        sigaddset(&set, signal);
    return set;
}

}  // namespace

void InstallStopSignals()
{
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    // One handler at a time: a second signal waits for the first one's handler to return.
    action.sa_mask = StopSignalSet();
    for (const int signal : kStopSignals)
        sigaction(signal, &action, nullptr);
    // A reader that went away (`| head -c1`) must not end the program mid-connection: the failed
    // write is reported instead.
    std::signal(SIGPIPE, SIG_IGN);
}

void StartWorkerWithoutStopSignals(operation::Operation& run)
{
    // A handler running on the worker could still hold the engine while this thread destroys it.
    const sigset_t stopSignals = StopSignalSet();
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &stopSignals, &previous);
    run.StartWorker();
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

#endif

bool StopSignalReceived()
{
    return g_received != 0;
}

OperationStopOnSignal::OperationStopOnSignal(operation::Operation& run)
{
    g_operation.store(&run);
    if (StopSignalReceived())
        run.RequestStop();
}

OperationStopOnSignal::~OperationStopOnSignal()
{
    g_operation.store(nullptr);
}

StopSignalRaises::StopSignalRaises(platform::StopSignal& stop)
{
    g_stopSignal.store(&stop);
    if (StopSignalReceived())
        stop.Raise();
}

StopSignalRaises::~StopSignalRaises()
{
    g_stopSignal.store(nullptr);
}

}  // namespace probexcli
