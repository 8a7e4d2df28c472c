#include "serial/ComPortDiscovery.h"

#include <QFile>
#include <QSerialPortInfo>

namespace {
QByteArray sysTtyType(const QString &sysClassTty, const QString &portName)
{
    QFile file(QStringLiteral("%1/%2/type").arg(sysClassTty, portName));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(32);
}
} // namespace

void enumerateComPorts(QList<ComPortInfo> &ports)
{
    QList<ComPortInfo> found;
    const QList<QSerialPortInfo> available = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : available) {
        ComPortInfo port;
        port.portName = info.portName();
        port.devicePath = info.systemLocation();
        port.friendlyName = info.description();
        port.enumeratorName = info.manufacturer();
        port.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier())
            port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            port.productId = info.productIdentifier();
        found.append(port);
    }
    appendLinuxPorts(ports, found, QStringLiteral("/sys/class/tty"));
}

void appendLinuxPorts(QList<ComPortInfo> &ports, const QList<ComPortInfo> &found,
                      const QString &sysClassTty)
{
    for (const ComPortInfo &port : found) {
        if (!ComPortRules::isPhantomUart(port.portName, sysTtyType(sysClassTty, port.portName)))
            ports.append(port);
    }
}

bool comPortsAcceptTypedPaths()
{
    return true;
}
