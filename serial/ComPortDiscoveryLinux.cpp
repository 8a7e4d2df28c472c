#include "serial/ComPortDiscovery.h"

#include <QFile>
#include <QSerialPortInfo>

namespace {
QByteArray sysTtyType(const QString &portName)
{
    QFile file(QStringLiteral("/sys/class/tty/%1/type").arg(portName));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(32);
}
} // namespace

void enumerateComPorts(QList<ComPortInfo> &ports)
{
    const QList<QSerialPortInfo> available = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : available) {
        if (ComPortRules::isPhantomUart(info.portName(), sysTtyType(info.portName())))
            continue;
        ComPortInfo port;
        port.portName = info.portName();
        port.devicePath = info.systemLocation();
        port.friendlyName = info.description();
        port.enumeratorName = info.manufacturer();
        if (info.hasVendorIdentifier())
            port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            port.productId = info.productIdentifier();
        ports.append(port);
    }
}

bool comPortsAcceptTypedPaths()
{
    return true;
}
