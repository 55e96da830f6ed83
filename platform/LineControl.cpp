// SPDX-License-Identifier: GPL-3.0-or-later
// termios2 lives in <asm/termbits.h>, which clashes with <termios.h>: this file is the only one
// that includes it, with <sys/ioctl.h>.
#include "platform/LineControl.h"

#include <asm/termbits.h>
#include <linux/serial.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstring>
#include <sys/file.h>

namespace platform::line {

namespace {

int GetTermios(int fd, termios2& tio)
{
    return ioctl(fd, TCGETS2, &tio) == 0 ? 0 : errno;
}

int SetTermios(int fd, const termios2& tio)
{
    return ioctl(fd, TCSETS2, &tio) == 0 ? 0 : errno;
}

tcflag_t SizeFlag(std::uint8_t byteSize)
{
    switch (byteSize) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

std::uint8_t ByteSizeOf(tcflag_t cflag)
{
    switch (cflag & CSIZE) {
    case CS5:
        return 5;
    case CS6:
        return 6;
    case CS7:
        return 7;
    default:
        return 8;
    }
}

bool ValidLineFormat(const Dcb& dcb)
{
    if (dcb.baudRate == 0 || dcb.byteSize < 5 || dcb.byteSize > 8 || dcb.parity > kSpaceParity)
        return false;
    // One and a half stop bits exist only with five data bits, two only with more.
    switch (dcb.stopBits) {
    case kOneStopBit:
        return true;
    case kOne5StopBits:
        return dcb.byteSize == 5;
    case kTwoStopBits:
        return dcb.byteSize > 5;
    default:
        return false;
    }
}

}  // namespace

int MakeRaw(int fd)
{
    termios2 tio{};
    if (int err = GetTermios(fd, tio))
        return err;
    tio.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY |
                     IMAXBEL | IUCLC | INPCK);
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ECHO | ECHONL | ECHOE | ECHOK | ICANON | ISIG | IEXTEN);
    tio.c_cflag |= CREAD | CLOCAL;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    return SetTermios(fd, tio);
}

static_assert(sizeof(termios2) <= sizeof(SavedSettings::data));

int SaveSettings(int fd, SavedSettings& saved)
{
    termios2 tio{};
    if (int err = GetTermios(fd, tio))
        return err;
    std::memcpy(saved.data, &tio, sizeof tio);
    bool on = false;
    saved.lowLatency = static_cast<signed char>(ReadLowLatency(fd, on) == 0 ? on : -1);
    return 0;
}

int RestoreSettings(int fd, const SavedSettings& saved)
{
    termios2 tio{};
    std::memcpy(&tio, saved.data, sizeof tio);
    const int err = SetTermios(fd, tio);
    // Set only when it differs: setting it anew makes some drivers talk to their chip.
    bool on = false;
    if (saved.lowLatency >= 0 && ReadLowLatency(fd, on) == 0 && on != (saved.lowLatency == 1))
        (void)SetLowLatency(fd, saved.lowLatency == 1);
    return err;
}

int ReadState(int fd, Dcb& dcb)
{
    termios2 tio{};
    if (int err = GetTermios(fd, tio))
        return err;
    dcb.binary = true;
    dcb.baudRate = tio.c_ospeed;
    dcb.byteSize = ByteSizeOf(tio.c_cflag);
    // Mark and space parity are read from CMSPAR alone: a pseudo-terminal drops PARENB.
    if (tio.c_cflag & CMSPAR) {
        dcb.parity = (tio.c_cflag & PARODD) ? kMarkParity : kSpaceParity;
    } else if (tio.c_cflag & PARENB) {
        dcb.parity = (tio.c_cflag & PARODD) ? kOddParity : kEvenParity;
    } else {
        dcb.parity = kNoParity;
    }
    if (tio.c_cflag & CSTOPB) {
        dcb.stopBits = dcb.byteSize == 5 ? kOne5StopBits : kTwoStopBits;
    } else {
        dcb.stopBits = kOneStopBit;
    }

    // CRTSCTS stands for either CTS output flow or RTS handshake; change the record only when
    // the driver disagrees with it.
    const bool rtsCts = tio.c_cflag & CRTSCTS;
    if (rtsCts != (dcb.outxCtsFlow || dcb.rtsControl == kRtsControlHandshake)) {
        dcb.outxCtsFlow = rtsCts;
        if (!rtsCts && dcb.rtsControl == kRtsControlHandshake)
            dcb.rtsControl = kRtsControlEnable;
    }
    dcb.outX = tio.c_iflag & IXON;
    dcb.inX = tio.c_iflag & IXOFF;
    dcb.xonChar = static_cast<char>(tio.c_cc[VSTART]);
    dcb.xoffChar = static_cast<char>(tio.c_cc[VSTOP]);
    return 0;
}

int WriteState(int fd, const Dcb& dcb)
{
    if (!ValidLineFormat(dcb))
        return EINVAL;
    termios2 tio{};
    if (int err = GetTermios(fd, tio))
        return err;

    tio.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT) | CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT) | CREAD | CLOCAL | SizeFlag(dcb.byteSize);
    tio.c_ispeed = dcb.baudRate;
    tio.c_ospeed = dcb.baudRate;
    switch (dcb.parity) {
    case kOddParity:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case kEvenParity:
        tio.c_cflag |= PARENB;
        break;
    case kMarkParity:
        tio.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case kSpaceParity:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        break;
    }
    if (dcb.stopBits != kOneStopBit)
        tio.c_cflag |= CSTOPB;
    if (dcb.outxCtsFlow || dcb.rtsControl == kRtsControlHandshake)
        tio.c_cflag |= CRTSCTS;

    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (dcb.outX)
        tio.c_iflag |= IXON;
    if (dcb.inX)
        tio.c_iflag |= IXOFF;
    tio.c_cc[VSTART] = static_cast<cc_t>(dcb.xonChar);
    tio.c_cc[VSTOP] = static_cast<cc_t>(dcb.xoffChar);
    return SetTermios(fd, tio);
}

void ApplyModemLines(int fd, const Dcb& dcb)
{
    // DTR handshake has no driver mode here; the line is held on as with RTS toggle.
    const int dtr = TIOCM_DTR;
    const int rts = TIOCM_RTS;
    (void)ioctl(fd, dcb.dtrControl == kDtrControlDisable ? TIOCMBIC : TIOCMBIS, &dtr);
    (void)ioctl(fd, dcb.rtsControl == kRtsControlDisable ? TIOCMBIC : TIOCMBIS, &rts);
}

void RequestLowLatency(int fd)
{
    (void)SetLowLatency(fd, true);
}

int SetLowLatency(int fd, bool on)
{
    serial_struct serial{};
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return errno;
    if (on) {
        serial.flags |= ASYNC_LOW_LATENCY;
    } else {
        serial.flags &= ~ASYNC_LOW_LATENCY;
    }
    return ioctl(fd, TIOCSSERIAL, &serial) == 0 ? 0 : errno;
}

int ReadLowLatency(int fd, bool& on)
{
    serial_struct serial{};
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return errno;
    on = serial.flags & ASYNC_LOW_LATENCY;
    return 0;
}

int QueuedInput(int fd, std::uint32_t& count)
{
    int n = 0;
    if (ioctl(fd, FIONREAD, &n) != 0)
        return errno;
    count = static_cast<std::uint32_t>(n);
    return 0;
}

int QueuedOutput(int fd, std::uint32_t& count)
{
    int n = 0;
    if (ioctl(fd, TIOCOUTQ, &n) != 0)
        return errno;
    count = static_cast<std::uint32_t>(n);
    return 0;
}

bool ReadModemStatus(int fd, ModemStatus& status)
{
    int lines = 0;
    if (ioctl(fd, TIOCMGET, &lines) != 0)
        return false;
    status.cts = lines & TIOCM_CTS;
    status.dsr = lines & TIOCM_DSR;
    status.rlsd = lines & TIOCM_CAR;
    status.ring = lines & TIOCM_RNG;
    serial_icounter_struct counters{};
    if (ioctl(fd, TIOCGICOUNT, &counters) == 0) {
        status.breaks = static_cast<std::uint32_t>(counters.brk);
        status.errors = static_cast<std::uint32_t>(counters.frame + counters.overrun + counters.parity +
                                                   counters.buf_overrun);
    }
    return true;
}

int ReadLineSettings(int fd, LineSettings& settings)
{
    termios2 tio{};
    if (int err = GetTermios(fd, tio))
        return err;
    settings.inputSpeed = tio.c_ispeed;
    settings.outputSpeed = tio.c_ospeed;
    settings.arbitrarySpeed = (tio.c_cflag & CBAUD) == BOTHER && ((tio.c_cflag >> IBSHIFT) & CBAUD) == BOTHER;
    settings.dataBits = ByteSizeOf(tio.c_cflag);
    settings.parityEnable = tio.c_cflag & PARENB;
    settings.parityOdd = tio.c_cflag & PARODD;
    settings.markSpaceParity = tio.c_cflag & CMSPAR;
    settings.twoStopBits = tio.c_cflag & CSTOPB;
    settings.rtsCts = tio.c_cflag & CRTSCTS;
    settings.xonXoffOutput = tio.c_iflag & IXON;
    settings.xonXoffInput = tio.c_iflag & IXOFF;
    settings.raw = !(tio.c_lflag & (ECHO | ICANON | ISIG)) && !(tio.c_oflag & OPOST);
    return 0;
}

int LockExclusive(int fd)
{
    if (flock(fd, LOCK_EX | LOCK_NB) != 0)
        return errno;
    (void)ioctl(fd, TIOCEXCL);
    return 0;
}

void ReleaseExclusive(int fd)
{
    (void)ioctl(fd, TIOCNXCL);
}

}  // namespace platform::line
