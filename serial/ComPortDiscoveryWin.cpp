#include "serial/ComPortDiscovery.h"

#include "serial/ComPortRawRecord.h"

void enumerateComPorts(QList<ComPortInfo> &ports)
{
    for (const Ml::ComPortRawRecord &record : Ml::ComPortRawRecord::readAll()) {
        ComPortInfo port;
        port.portName = QString::fromStdWString(record.portName);
        port.friendlyName = QString::fromStdWString(record.friendlyName);
        port.physicalDeviceName = QString::fromStdWString(record.physicalDeviceName);
        port.enumeratorName = QString::fromStdWString(record.enumeratorName);
        ComPortRules::appendWindowsPort(ports, port, QString::fromStdWString(record.hardwareId));
    }
}

bool comPortsAcceptTypedPaths()
{
    return false;
}
