// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/ConsoleStop.h"

#include <atomic>
#include <windows.h>

namespace platform {

namespace {

std::atomic<void (*)(ConsoleStopCause)> g_onStop{nullptr};
HANDLE g_finished = nullptr;

BOOL WINAPI OnConsoleControl(DWORD type)
{
    const auto onStop = g_onStop.load();
    if (!onStop)
        return FALSE;
    switch (type) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        onStop(ConsoleStopCause::Interrupt);
        return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        onStop(ConsoleStopCause::Close);
        // Returning lets the system end the process: first the connection closes cleanly.
        if (g_finished)
            WaitForSingleObject(g_finished, kConsoleCloseGraceMs);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void InstallConsoleStop(void (*onStop)(ConsoleStopCause))
{
    if (!g_finished)
        g_finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_onStop.store(onStop);
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

void ConsoleStopFinished()
{
    if (g_finished)
        SetEvent(g_finished);
}

void RemoveConsoleStop()
{
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    g_onStop.store(nullptr);
}

}  // namespace platform
