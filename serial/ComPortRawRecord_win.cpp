// Reading the Ports class through the device set-up API (setupapi) and the registry
// (advapi32).
#include "serial/ComPortRawRecord.h"
#include "serial/CommTypes.h" // <windows.h>, lean and without min and max

#include <initguid.h> // defines GUID_DEVCLASS_PORTS here rather than needing a library

#include <devguid.h>
#include <setupapi.h>

#include <algorithm>

namespace Ml {

namespace {

// Text of a UTF-16 buffer up to its first NUL, and never past the data returned.
std::wstring textOf(const std::vector<wchar_t> &buffer, DWORD bytes)
{
    const size_t chars = std::min<size_t>(buffer.size(), bytes / sizeof(wchar_t));
    size_t length = 0;
    while (length < chars && buffer[length] != L'\0')
        ++length;
    return std::wstring(buffer.data(), length);
}

// One device property; for a multi-string property (the hardware IDs) the first string.
std::wstring deviceProperty(HDEVINFO set, SP_DEVINFO_DATA *device, DWORD property)
{
    DWORD required = 0;
    SetupDiGetDeviceRegistryPropertyW(set, device, property, nullptr, nullptr, 0, &required);
    if (required == 0)
        return std::wstring();
    std::vector<wchar_t> buffer(required / sizeof(wchar_t) + 1, L'\0');
    DWORD returned = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(set, device, property, nullptr,
                                           reinterpret_cast<PBYTE>(buffer.data()), required,
                                           &returned))
        return std::wstring();
    return textOf(buffer, std::min(returned, required));
}

// The value "PortName" of the device's hardware key, empty when it cannot be read.
std::wstring portNameOf(HDEVINFO set, SP_DEVINFO_DATA *device)
{
    HKEY key = SetupDiOpenDevRegKey(set, device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE)
        return std::wstring();
    std::wstring name;
    DWORD size = 0;
    RegQueryValueExW(key, L"PortName", nullptr, nullptr, nullptr, &size);
    if (size > 0) {
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
        DWORD read = size;
        if (RegQueryValueExW(key, L"PortName", nullptr, nullptr,
                             reinterpret_cast<LPBYTE>(buffer.data()), &read) == ERROR_SUCCESS)
            name = textOf(buffer, std::min(read, size));
    }
    RegCloseKey(key);
    return name;
}

} // namespace

std::vector<ComPortRawRecord> ComPortRawRecord::readAll()
{
    std::vector<ComPortRawRecord> records;
    HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return records;

    SP_DEVINFO_DATA device;
    device.cbSize = sizeof(device);
    for (DWORD index = 0; SetupDiEnumDeviceInfo(set, index, &device); ++index) {
        ComPortRawRecord record;
        record.friendlyName = deviceProperty(set, &device, SPDRP_FRIENDLYNAME);
        record.physicalDeviceName = deviceProperty(set, &device, SPDRP_PHYSICAL_DEVICE_OBJECT_NAME);
        record.enumeratorName = deviceProperty(set, &device, SPDRP_ENUMERATOR_NAME);
        record.hardwareId = deviceProperty(set, &device, SPDRP_HARDWAREID);
        record.portName = portNameOf(set, &device);
        records.push_back(record);
    }
    SetupDiDestroyDeviceInfoList(set);
    return records;
}

} // namespace Ml
