// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/probex-cli/StopSignals.h"

#include <atomic>
#include <pthread.h>

#include "device/CDeviceZAQ.h"

namespace probexcli {

namespace {

std::atomic<device::CDeviceZAQ*> g_engine{nullptr};
volatile std::sig_atomic_t g_received = 0;

static_assert(std::atomic<device::CDeviceZAQ*>::is_always_lock_free);

void OnStopSignal(int)
{
    g_received = 1;
    if (device::CDeviceZAQ* engine = g_engine.load())
        engine->RequestStop();
}

sigset_t StopSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

}  // namespace

void InstallStopSignals()
{
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    // The second Ctrl+C of an impatient user ends the program as usual.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool StopSignalReceived()
{
    return g_received != 0;
}

void StartWorkerWithoutStopSignals(device::CDeviceZAQ& engine)
{
    // A handler running on the worker could still hold the engine while this thread destroys it.
    const sigset_t stopSignals = StopSignalSet();
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &stopSignals, &previous);
    engine.Start();
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

EngineStopOnSignal::EngineStopOnSignal(device::CDeviceZAQ& engine)
{
    g_engine.store(&engine);
    if (StopSignalReceived())
        engine.RequestStop();
}

EngineStopOnSignal::~EngineStopOnSignal()
{
    g_engine.store(nullptr);
}

}  // namespace probexcli
