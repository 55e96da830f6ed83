// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A console program's stop requests on Windows, where POSIX has signals: Ctrl+C and Ctrl+Break,
// and the console window closing, the user logging off or the system shutting down. The program's
// own stop runs instead of the system ending the process at once.

namespace platform {

enum class ConsoleStopCause {
    Interrupt,  // Ctrl+C, Ctrl+Break: the process goes on after the handler
    Close,      // window closed, log-off, shut-down: the system ends the process after it
};

// Installs `onStop`, called on a thread of the system's for every request. After a close the
// handler waits for ConsoleStopFinished() before letting the system end the process, at most
// kConsoleCloseGraceMs (the system allows a few seconds only).
void InstallConsoleStop(void (*onStop)(ConsoleStopCause));
// The program has finished what a close asked for (its ports closed and restored).
void ConsoleStopFinished();
// The requests end the process again, as they do by default.
void RemoveConsoleStop();

inline constexpr unsigned kConsoleCloseGraceMs = 4500;

}  // namespace platform
