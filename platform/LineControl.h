// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The terminal-line calls of the POSIX backend (termios2 with any baud rate, modem lines,
// driver options). Functions returning int give 0 or an errno value.
#include "platform/SerialTypes.h"

#include <cstdint>

namespace platform::line {

// Raw binary line: no echo, no line editing, no character translation, receiver on.
int MakeRaw(int fd);

// The driver's settings as a whole, to put back later: the line settings and, on a driver that
// has it, the low-latency option (a USB adapter's latency timer follows it, for every later
// program). Restoring makes system calls only, so a signal handler may do it.
struct SavedSettings {
    alignas(8) unsigned char data[64];
    signed char lowLatency = -1;  // 0 or 1 as found; -1 for a driver without the option
};
int SaveSettings(int fd, SavedSettings& saved);
int RestoreSettings(int fd, const SavedSettings& saved);

// Overlays what the driver holds onto `dcb`, the port's kept record: baud rate, byte size,
// parity, stop bits, flow control and XON/XOFF characters come from the driver; the members
// the driver has no place for keep the record's values.
int ReadState(int fd, Dcb& dcb);

// Applies the line members of `dcb`; EINVAL for a baud rate of 0 or codes out of range.
int WriteState(int fd, const Dcb& dcb);

// DTR and RTS as the record's control modes say. Best effort: a line without modem
// control (a pseudo-terminal) ignores it.
void ApplyModemLines(int fd, const Dcb& dcb);

// Asks the driver to pass received bytes on without delay. Best effort.
void RequestLowLatency(int fd);
// Sets or clears that option; ENOTTY from a line that has none.
int SetLowLatency(int fd, bool on);
// Whether the driver passes received bytes on without delay; ENOTTY from a line that has no
// such option (a pseudo-terminal).
int ReadLowLatency(int fd, bool& on);

int QueuedInput(int fd, std::uint32_t& count);
int QueuedOutput(int fd, std::uint32_t& count);

struct ModemStatus {
    bool cts = false;
    bool dsr = false;
    bool rlsd = false;
    bool ring = false;
    std::uint32_t breaks = 0;
    std::uint32_t errors = 0;  // framing, overrun and parity errors so far
};
// False when the line has no modem status (a pseudo-terminal).
bool ReadModemStatus(int fd, ModemStatus& status);

// The line settings as the driver holds them; on a pseudo-terminal's master they are the
// slave's (the pty driver clears PARENB and forces 8 data bits, but keeps the rest).
struct LineSettings {
    std::uint32_t inputSpeed = 0;
    std::uint32_t outputSpeed = 0;
    bool arbitrarySpeed = false;  // BOTHER in both speed fields
    unsigned dataBits = 0;
    bool parityEnable = false;
    bool parityOdd = false;
    bool markSpaceParity = false;  // CMSPAR
    bool twoStopBits = false;
    bool rtsCts = false;
    bool xonXoffOutput = false;
    bool xonXoffInput = false;
    bool raw = false;  // no echo, no canonical mode, no output processing
};
int ReadLineSettings(int fd, LineSettings& settings);

}  // namespace platform::line

namespace platform::line {

// Exclusive use of the line: flock against every other opener, TIOCEXCL (best effort) against
// other processes' opens. EWOULDBLOCK when another opener holds it.
int LockExclusive(int fd);
// Lifts TIOCEXCL before the descriptor is closed, so the next opener is not refused.
void ReleaseExclusive(int fd);

}  // namespace platform::line
