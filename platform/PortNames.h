// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Port names. POSIX: "COMn" goes through the per-user port map, a name containing "/" is a path.
// Windows: COM names are the system's own ("COM3" opens \\.\COM3); there is no port map.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace platform {

// The port map: "ports" in the program's config folder (ProgramFolder).
std::string PortMapFolder();

// The port list offers COM1 to COM16.
inline constexpr unsigned kListedComPorts = 16;

// The first listed COM name the port map does not hold, for a new entry; empty when it holds all.
std::string UnusedComName();

// "COMn" for the number n (from 1).
std::string ComName(unsigned n);

// The number n of "COMn" (any case, n from 1 to 65535 without a leading zero), else 0.
unsigned ComNumber(const std::string& name);

// Whether `name` is of the form COMn (any case, n from 1 to 65535 without a leading zero).
bool IsComName(const std::string& name);

// The name as the port map holds it: "COMn" in upper case ("com3" -> "COM3"); empty when
// IsComName refuses it.
std::string CanonicalComName(const std::string& name);

// The device path of a port name, or an error code (kErrorFileNotFound for a name that names
// no port). While the port map folder exists, only its entries (symbolic links named COM1,
// COM2, ...) exist; without it, COMn is /dev/ttyS(n-1).
std::variant<std::string, std::uint32_t> ResolvePortName(const std::string& portName);

// Where a port name leads, for a reader of the connection log: the target of the port map's
// link or of a linked path (one level, so a /dev/serial/by-id name stays), else the path; empty
// when the name names no port.
std::string PortTarget(const std::string& portName);

// The device a port name leads to, port-map and /dev/serial/by-id links followed
// ("COM3" -> "/dev/ttyUSB0"); empty when the name names no port.
std::string DevicePathOf(const std::string& portName);

// Paths (/dev/...) of the serial devices present other than the built-in ttyS ports (which the
// COMn names already reach): USB, ACM and other driver-backed ttys, in natural order.
std::vector<std::string> ListSerialDevices(const std::string& sysClassTty = "/sys/class/tty");

}  // namespace platform
