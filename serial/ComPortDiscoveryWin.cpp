#include "serial/ComPortDiscovery.h"

#include <QVector>

#include <windows.h>

#include <initguid.h> // defines GUID_DEVCLASS_PORTS here rather than needing a library

#include <devguid.h>
#include <setupapi.h>

namespace {

// Text of a UTF-16 buffer up to its first NUL, and never past the data returned.
QString textOf(const QVector<wchar_t> &buffer, DWORD bytes)
{
    const int chars = qMin<int>(buffer.size(), int(bytes / sizeof(wchar_t)));
    int length = 0;
    while (length < chars && buffer.at(length) != L'\0')
        ++length;
    return QString::fromWCharArray(buffer.constData(), length);
}

// One device property; for a multi-string property (the hardware IDs) the first string.
QString deviceProperty(HDEVINFO set, SP_DEVINFO_DATA *device, DWORD property)
{
    DWORD required = 0;
    SetupDiGetDeviceRegistryPropertyW(set, device, property, nullptr, nullptr, 0, &required);
    if (required == 0)
        return QString();
    QVector<wchar_t> buffer(int(required / sizeof(wchar_t)) + 1, L'\0');
    DWORD returned = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(set, device, property, nullptr,
                                           reinterpret_cast<PBYTE>(buffer.data()), required,
                                           &returned))
        return QString();
    return textOf(buffer, qMin(returned, required));
}

// The value "PortName" of the device's hardware key, empty when it cannot be read.
QString portNameOf(HDEVINFO set, SP_DEVINFO_DATA *device)
{
    HKEY key = SetupDiOpenDevRegKey(set, device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE)
        return QString();
    QString name;
    DWORD size = 0;
    RegQueryValueExW(key, L"PortName", nullptr, nullptr, nullptr, &size);
    if (size > 0) {
        QVector<wchar_t> buffer(int(size / sizeof(wchar_t)) + 1, L'\0');
        DWORD read = size;
        if (RegQueryValueExW(key, L"PortName", nullptr, nullptr,
                             reinterpret_cast<LPBYTE>(buffer.data()), &read) == ERROR_SUCCESS)
            name = textOf(buffer, qMin(read, size));
    }
    RegCloseKey(key);
    return name;
}

} // namespace

void enumerateComPorts(QList<ComPortInfo> &ports)
{
    HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return;

    SP_DEVINFO_DATA device;
    device.cbSize = sizeof(device);
    for (DWORD index = 0; SetupDiEnumDeviceInfo(set, index, &device); ++index) {
        ComPortInfo port;
        port.friendlyName = deviceProperty(set, &device, SPDRP_FRIENDLYNAME);
        port.physicalDeviceName = deviceProperty(set, &device, SPDRP_PHYSICAL_DEVICE_OBJECT_NAME);
        port.enumeratorName = deviceProperty(set, &device, SPDRP_ENUMERATOR_NAME);
        const QString hardwareId = deviceProperty(set, &device, SPDRP_HARDWAREID);
        port.portName = portNameOf(set, &device);
        ComPortRules::appendWindowsPort(ports, port, hardwareId);
    }
    SetupDiDestroyDeviceInfoList(set);
}

bool comPortsAcceptTypedPaths()
{
    return false;
}
