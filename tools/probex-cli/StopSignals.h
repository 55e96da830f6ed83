// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGINT, SIGTERM, SIGHUP and SIGQUIT stop probex-cli cleanly: the running connection is asked to
// stop (it still closes with its stop frame and trailer) and the program then exits 130.

#include <csignal>

namespace operation {
class Operation;
}
namespace platform {
class StopSignal;
}

namespace probexcli {

inline constexpr int kExitSignal = 130;

// Installs the handlers and ignores SIGPIPE. A second stop signal ends the program at once, by
// that signal, after the open ports got their settings back.
void InstallStopSignals();

// Whether a stop signal has arrived since the program began.
bool StopSignalReceived();

// Starts the engine's worker with the stop signals blocked, so that the handler never runs there.
void StartWorkerWithoutStopSignals(operation::Operation& run);

// While it lives, a stop signal asks this operation to stop. Made after the request (which
// clears any earlier stop), so a signal that came before it stops the request at once.
class OperationStopOnSignal {
public:
    explicit OperationStopOnSignal(operation::Operation& run);
    ~OperationStopOnSignal();
    OperationStopOnSignal(const OperationStopOnSignal&) = delete;
    OperationStopOnSignal& operator=(const OperationStopOnSignal&) = delete;
};

// While it lives, a stop signal raises `stop` (what the adapter check waits on beside its port).
class StopSignalRaises {
public:
    explicit StopSignalRaises(platform::StopSignal& stop);
    ~StopSignalRaises();
    StopSignalRaises(const StopSignalRaises&) = delete;
    StopSignalRaises& operator=(const StopSignalRaises&) = delete;
};

}  // namespace probexcli
