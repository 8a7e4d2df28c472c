#pragma once

#include <QString>
#include <QtGlobal>

// One serial port found on the machine.
struct ComPortInfo
{
    QString portName;           // shown in the port list, e.g. COM3 or ttyUSB0
    QString devicePath;         // what the serial device opens, e.g. \\.\COM10 or /dev/ttyUSB0
    QString physicalDeviceName; // the system's device object name
    QString friendlyName;       // the description the system shows for the port
    QString serialNumber;       // the adapter's serial number, when the system reports one
    QString enumeratorName;     // the bus or driver that reported it (Linux: the manufacturer)
    qint32 vendorId = 0;        // USB vendor ID, 0 when there is none
    qint32 productId = 0;       // USB product ID, 0 when there is none
};
