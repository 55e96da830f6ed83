// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zaq-sim/LineSettings.h"

#include <cstdio>

#include "platform/LineControl.h"

namespace zaqsim {

bool LineSettings::IsPulseFormat(std::uint32_t frameBaud) const
{
    return baud > 0 && baud < frameBaud && markSpace && !oddParity;
}

bool LineSettings::IsFrameFormat(std::uint32_t frameBaud) const
{
    return baud == frameBaud && !markSpace && dataBits == 8 && !twoStopBits;
}

double LineSettings::CharacterMicros() const
{
    if (baud == 0)
        return 0;
    // The pty driver drops PARENB, so a fixed parity bit shows only as CMSPAR.
    const int bits = 1 + dataBits + (markSpace ? 1 : 0) + (twoStopBits ? 2 : 1);
    return bits * 1e6 / baud;
}

std::string LineSettings::Text() const
{
    char parity = 'N';
    if (markSpace)
        parity = oddParity ? 'M' : 'S';
    char text[48];
    std::snprintf(text, sizeof text, "%u %d%c%d", unsigned(baud), dataBits, parity, twoStopBits ? 2 : 1);
    return text;
}

bool ReadLineSettings(int masterFd, LineSettings& settings)
{
    platform::line::LineSettings line;
    if (platform::line::ReadLineSettings(masterFd, line) != 0)
        return false;
    settings.baud = line.outputSpeed;
    settings.dataBits = int(line.dataBits);
    settings.markSpace = line.markSpaceParity;
    settings.oddParity = line.parityOdd;
    settings.twoStopBits = line.twoStopBits;
    return true;
}

}  // namespace zaqsim
