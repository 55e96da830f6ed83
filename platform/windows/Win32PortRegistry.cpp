// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/Win32PortRegistry.h"

#include "platform/PortNames.h"
#include "platform/windows/WideText.h"

#include <windows.h>
// After windows.h, which it needs.
#include <setupapi.h>

namespace platform {

namespace {

// The setup class of serial and parallel ports (GUID_DEVCLASS_PORTS), spelled out so that no
// GUID library is needed.
constexpr GUID kPortsClass = {0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

// A registry string up to its first NUL (a multi-string's first item).
std::string TextOf(const std::vector<wchar_t>& data)
{
    std::wstring text(data.data(), data.size());
    if (const auto end = text.find(L'\0'); end != std::wstring::npos)
        text.resize(end);
    return Utf8FromWide(text);
}

std::string DeviceProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property)
{
    DWORD needed = 0;
    SetupDiGetDeviceRegistryPropertyW(set, &device, property, nullptr, nullptr, 0, &needed);
    if (needed == 0)
        return {};
    std::vector<wchar_t> data(needed / sizeof(wchar_t) + 1, L'\0');
    if (!SetupDiGetDeviceRegistryPropertyW(set, &device, property, nullptr,
                                           reinterpret_cast<BYTE*>(data.data()), needed, nullptr))
        return {};
    return TextOf(data);
}

// The "PortName" the port's driver keeps in the device's own key.
std::string PortNameOf(HDEVINFO set, SP_DEVINFO_DATA& device)
{
    HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE)
        return {};
    std::vector<wchar_t> data(64, L'\0');
    DWORD size = DWORD((data.size() - 1) * sizeof(wchar_t));
    DWORD type = 0;
    const LSTATUS status =
        RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_SZ ? TextOf(data) : std::string();
}

}  // namespace

std::vector<std::string> PresentComNames()
{
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return names;
    for (DWORD index = 0;; ++index) {
        wchar_t valueName[256];
        DWORD nameLength = DWORD(std::size(valueName));
        std::vector<wchar_t> data(64, L'\0');
        DWORD size = DWORD((data.size() - 1) * sizeof(wchar_t));
        DWORD type = 0;
        const LSTATUS status = RegEnumValueW(key, index, valueName, &nameLength, nullptr, &type,
                                             reinterpret_cast<BYTE*>(data.data()), &size);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS || type != REG_SZ)
            continue;
        if (const std::string name = CanonicalComName(TextOf(data)); !name.empty())
            names.push_back(name);
    }
    RegCloseKey(key);
    return names;
}

std::optional<ComPortDetails> ComPortDetailsOf(const std::string& comName)
{
    const std::string wanted = CanonicalComName(comName);
    if (wanted.empty())
        return std::nullopt;
    HDEVINFO set = SetupDiGetClassDevsW(&kPortsClass, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<ComPortDetails> found;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; !found && SetupDiEnumDeviceInfo(set, index, &device); ++index) {
        if (CanonicalComName(PortNameOf(set, device)) != wanted)
            continue;
        found = ComPortDetails{
            DeviceProperty(set, device, SPDRP_FRIENDLYNAME), DeviceProperty(set, device, SPDRP_MFG),
            DeviceProperty(set, device, SPDRP_SERVICE), DeviceProperty(set, device, SPDRP_HARDWAREID)};
    }
    SetupDiDestroyDeviceInfoList(set);
    return found;
}

}  // namespace platform
