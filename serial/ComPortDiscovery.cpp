#include "serial/ComPortDiscovery.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <limits>

namespace ComPortRules {

namespace {
const QRegularExpression &comNamePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^COM(\\d+)"));
    return pattern;
}
} // namespace

bool isComPortName(const QString &portName)
{
    return comNamePattern().match(portName).hasMatch();
}

int portNumber(const QString &portName)
{
    const QRegularExpressionMatch match = comNamePattern().match(portName);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const int number = match.captured(1).toInt(&ok, 10);
    // Digits too many for an int still name a port above 9.
    return ok ? number : std::numeric_limits<int>::max();
}

QString listedDevicePath(const QString &portName)
{
    return portNumber(portName) > 9 ? QStringLiteral("\\\\.\\") + portName : portName;
}

void parseUsbIds(const QString &hardwareId, qint32 &vendorId, qint32 &productId)
{
    static const QRegularExpression pattern(QStringLiteral("VID_(\\w+)&PID_(\\w+)"));
    vendorId = 0;
    productId = 0;
    const QRegularExpressionMatch match = pattern.match(hardwareId.toUpper());
    if (!match.hasMatch())
        return;
    bool ok = false;
    vendorId = match.captured(1).toInt(&ok, 16);
    productId = match.captured(2).toInt(&ok, 16);
}

void appendWindowsPort(QList<ComPortInfo> &ports, ComPortInfo port, const QString &hardwareId)
{
    port.devicePath = listedDevicePath(port.portName);
    parseUsbIds(hardwareId, port.vendorId, port.productId);
    if (isComPortName(port.portName))
        ports.append(port);
}

bool isPhantomUart(const QString &portName, const QByteArray &sysTypeText)
{
    return portName.startsWith(QLatin1String("ttyS")) && sysTypeText.trimmed() == "0";
}

bool isExistingDevicePath(const QString &text)
{
    return QDir::isAbsolutePath(text) && QFileInfo::exists(text) && !QFileInfo(text).isDir();
}

} // namespace ComPortRules
