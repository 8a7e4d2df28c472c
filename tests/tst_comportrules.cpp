// Which system records become ports in the list, under which name they are
// opened, and what USB IDs they carry.
#include "serial/ComPortDiscovery.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestComPortRules : public QObject
{
    Q_OBJECT

private slots:
    void windowsRecord_data();
    void windowsRecord();
    void enumerationOrderIsKept();
    void phantomUart_data();
    void phantomUart();
    void discoveredPortsAreReal();
};

void TestComPortRules::windowsRecord_data()
{
    QTest::addColumn<QString>("portName");
    QTest::addColumn<QString>("hardwareId");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QString>("devicePath");
    QTest::addColumn<int>("vendorId");
    QTest::addColumn<int>("productId");

    const QString builtIn = QStringLiteral("ACPI\\PNP0501");
    QTest::newRow("COM1") << "COM1" << builtIn << true << "COM1" << 0 << 0;
    QTest::newRow("COM9 opens as it is") << "COM9" << builtIn << true << "COM9" << 0 << 0;
    QTest::newRow("COM10 needs the device prefix")
        << "COM10" << builtIn << true << "\\\\.\\COM10" << 0 << 0;
    QTest::newRow("digits too many for a number")
        << "COM123456789012" << builtIn << true << "\\\\.\\COM123456789012" << 0 << 0;
    QTest::newRow("name going on after the digits")
        << "COM3A" << builtIn << true << "COM3A" << 0 << 0;
    QTest::newRow("USB adapter") << "COM4"
                                 << "USB\\VID_0403&PID_6001&REV_0600" << true << "COM4" << 0x0403
                                 << 0x6001;
    QTest::newRow("lower-case IDs")
        << "COM5"
        << "usb\\vid_067b&pid_2303&rev_0300" << true << "COM5" << 0x067b << 0x2303;
    QTest::newRow("ID that is no hex number")
        << "COM6"
        << "USB\\VID_XYZ&PID_00A1" << true << "COM6" << 0 << 0xa1;
    QTest::newRow("IDs joined otherwise")
        << "COM7"
        << "FTDIBUS\\VID_0403+PID_6001" << true << "COM7" << 0 << 0;
    QTest::newRow("parallel port") << "LPT1" << builtIn << false << "LPT1" << 0 << 0;
    QTest::newRow("lower-case com") << "com3" << builtIn << false << "com3" << 0 << 0;
    QTest::newRow("COM without digits") << "COM" << builtIn << false << "COM" << 0 << 0;
    QTest::newRow("no PortName value") << "" << builtIn << false << "" << 0 << 0;
}

void TestComPortRules::windowsRecord()
{
    QFETCH(QString, portName);
    QFETCH(QString, hardwareId);
    QFETCH(bool, listed);
    QFETCH(QString, devicePath);
    QFETCH(int, vendorId);
    QFETCH(int, productId);

    ComPortInfo raw;
    raw.portName = portName;
    raw.friendlyName = QStringLiteral("Communications Port");
    QList<ComPortInfo> ports;
    ComPortRules::appendWindowsPort(ports, raw, hardwareId);
    QCOMPARE(ports.size(), listed ? 1 : 0);
    if (!listed)
        return;
    const ComPortInfo &port = ports.first();
    QCOMPARE(port.portName, portName);
    QCOMPARE(port.devicePath, devicePath);
    QCOMPARE(port.vendorId, vendorId);
    QCOMPARE(port.productId, productId);
    QCOMPARE(port.friendlyName, raw.friendlyName);
}

void TestComPortRules::enumerationOrderIsKept()
{
    QList<ComPortInfo> ports;
    for (const char *name : {"COM10", "LPT1", "COM3", "COM3", "COM1"}) {
        ComPortInfo raw;
        raw.portName = QString::fromLatin1(name);
        ComPortRules::appendWindowsPort(ports, raw, QString());
    }
    QStringList names;
    for (const ComPortInfo &port : qAsConst(ports))
        names << port.portName;
    QCOMPARE(names, (QStringList{"COM10", "COM3", "COM3", "COM1"}));
}

void TestComPortRules::phantomUart_data()
{
    QTest::addColumn<QString>("portName");
    QTest::addColumn<QByteArray>("sysType");
    QTest::addColumn<bool>("phantom");

    QTest::newRow("empty UART slot") << "ttyS3" << QByteArray("0\n") << true;
    QTest::newRow("real 16550A") << "ttyS0" << QByteArray("4\n") << false;
    QTest::newRow("type unreadable") << "ttyS1" << QByteArray() << false;
    QTest::newRow("USB adapter") << "ttyUSB0" << QByteArray("0\n") << false;
}

void TestComPortRules::phantomUart()
{
    QFETCH(QString, portName);
    QFETCH(QByteArray, sysType);
    QFETCH(bool, phantom);
    QCOMPARE(ComPortRules::isPhantomUart(portName, sysType), phantom);
}

void TestComPortRules::discoveredPortsAreReal()
{
    QList<ComPortInfo> ports;
    enumerateComPorts(ports);
    for (const ComPortInfo &port : qAsConst(ports)) {
        QVERIFY2(QFile::exists(port.devicePath), qPrintable(port.devicePath));
        QFile type(QStringLiteral("/sys/class/tty/%1/type").arg(port.portName));
        if (port.portName.startsWith(QLatin1String("ttyS")) && type.open(QIODevice::ReadOnly))
            QVERIFY2(type.readAll().trimmed() != "0", qPrintable(port.portName));
    }
}

QTEST_GUILESS_MAIN(TestComPortRules)
#include "tst_comportrules.moc"
