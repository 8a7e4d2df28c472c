#include "app/PortListing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

QString usbId(qint32 id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

bool isUsb(const ComPortInfo &port)
{
    return port.vendorId != 0 || port.productId != 0;
}

// One field of a line: no tab or line end may split it, and "-" stands for nothing.
QString field(QString value)
{
    value.replace(QLatin1Char('\t'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '));
    value = value.trimmed();
    return value.isEmpty() ? QStringLiteral("-") : value;
}

} // namespace

QByteArray PortListing::text(const QList<ComPortInfo> &ports)
{
    QByteArray out;
    for (const ComPortInfo &port : ports) {
        const QStringList fields{field(port.portName), field(port.devicePath),
                                 isUsb(port) ? usbId(port.vendorId) + QLatin1Char(':') +
                                                   usbId(port.productId)
                                             : QStringLiteral("-"),
                                 field(port.serialNumber), field(port.friendlyName)};
        out += fields.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    return out;
}

QByteArray PortListing::json(const QList<ComPortInfo> &ports)
{
    QJsonArray array;
    for (const ComPortInfo &port : ports) {
        QJsonObject object{{QStringLiteral("name"), port.portName},
                           {QStringLiteral("path"), port.devicePath},
                           {QStringLiteral("serialNumber"), port.serialNumber},
                           {QStringLiteral("description"), port.friendlyName},
                           {QStringLiteral("manufacturer"), port.enumeratorName}};
        // Hexadecimal as the system and lsusb write them; null for a port that is no USB one.
        object.insert(QStringLiteral("vendorId"),
                      isUsb(port) ? QJsonValue(usbId(port.vendorId)) : QJsonValue());
        object.insert(QStringLiteral("productId"),
                      isUsb(port) ? QJsonValue(usbId(port.productId)) : QJsonValue());
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}
