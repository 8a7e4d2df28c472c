// The pure rules of the serial layer: the device path of a port name, the silence clock, and
// the port list (which records become ports, their device paths and USB IDs).
#include "TestSupport.h"
#include "serial/ComPortDiscovery.h"
#include "serial/PortOpenSequence.h"
#include "serial/SilenceClock.h"

#include <QtTest>

#include <climits>
#include <thread>

using namespace Ml;

namespace {

QStringList listed(const QList<ComPortInfo> &ports, bool ids)
{
    QStringList lines;
    for (const ComPortInfo &port : ports)
        lines << port.portName + ' ' + port.devicePath +
                     (ids ? QStringLiteral(" %1 %2").arg(port.vendorId).arg(port.productId)
                          : QString());
    return lines;
}

} // namespace

class TestSerialRules : public QObject
{
    Q_OBJECT

private slots:
    void devicePrefix_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        QTest::newRow("COM3") << "COM3" << QString("\\\\.\\COM3");
        QTest::newRow("prefixed, case kept") << "\\\\.\\com4" << QString("\\\\.\\com4");
        QTest::newRow("forward slashes") << "//./COM5" << QString("\\\\.\\//./COM5");
        QTest::newRow("long name") << "USB#VID_0403&PID_6001#A50285BI#{86e0d1e0-8089}"
                                   << "\\\\.\\USB#VID_0403&PID_6001#A50285BI#{86e0d1e0-8089}";
    }

    void devicePrefix()
    {
        QFETCH(QString, name);
        QFETCH(QString, path);
        QCOMPARE(QString::fromStdWString(PortOpenSequence::localDevicePath(name.toStdWString())),
                 path);
    }

    void windowsRecords_data()
    {
        QTest::addColumn<QStringList>("records");  // port name, hardware ID, ... in order
        QTest::addColumn<QStringList>("expected"); // portName devicePath vendorId productId

        const QString acpi = "ACPI\\PNP0501";
        QTest::newRow("COM9 as it is, COM10 and up with the device prefix")
            << QStringList{"COM9", acpi, "COM10", acpi, "COM123456789012", acpi}
            << QStringList{"COM9 COM9 0 0", "COM10 \\\\.\\COM10 0 0",
                           "COM123456789012 \\\\.\\COM123456789012 0 0"};
        QTest::newRow("name going on after the digits")
            << QStringList{"COM3A", acpi} << QStringList{"COM3A COM3A 0 0"};
        QTest::newRow("USB adapters, IDs in either case")
            << QStringList{"COM4", "USB\\VID_0403&PID_6001&REV_0600", "COM5",
                           "usb\\vid_067b&pid_2303&rev_0300"}
            << QStringList{"COM4 COM4 1027 24577", "COM5 COM5 1659 8963"};
        QTest::newRow("ID that is no hex number")
            << QStringList{"COM6", "USB\\VID_XYZ&PID_00A1"} << QStringList{"COM6 COM6 0 161"};
        QTest::newRow("IDs joined otherwise")
            << QStringList{"COM7", "FTDIBUS\\VID_0403+PID_6001"} << QStringList{"COM7 COM7 0 0"};
        QTest::newRow("not COM ports: parallel, lower case, no digits, no name")
            << QStringList{"LPT1", acpi, "com3", acpi, "COM", acpi, "", acpi} << QStringList();
        QTest::newRow("enumeration order and duplicates kept")
            << QStringList{"COM10", acpi, "LPT1", acpi, "COM3", acpi, "COM3", acpi}
            << QStringList{"COM10 \\\\.\\COM10 0 0", "COM3 COM3 0 0", "COM3 COM3 0 0"};
    }

    void windowsRecords()
    {
        QFETCH(QStringList, records);
        QFETCH(QStringList, expected);
        QList<ComPortInfo> ports;
        for (int i = 0; i + 1 < records.size(); i += 2) {
            ComPortInfo raw;
            raw.portName = records.at(i);
            ComPortRules::appendWindowsPort(ports, raw, records.at(i + 1));
        }
        QCOMPARE(listed(ports, true), expected);
    }

#ifndef _WIN32
    // The Linux list leaves out empty UART slots (a ttyS of type 0) and keeps the rest in
    // order: a USB adapter whatever its type, a port whose type cannot be read.
    void linuxPortList()
    {
        QTemporaryDir sys;
        QList<ComPortInfo> found;
        // Each port with its type, if its type can be read.
        for (const QString &entry :
             QStringList{"ttyS0 4", "ttyS1 0", "ttyUSB0 0", "ttyS2 0", "ttyACM0"}) {
            ComPortInfo port;
            port.portName = entry.section(' ', 0, 0);
            port.devicePath = "/dev/" + port.portName;
            found.append(port);
            QVERIFY(QDir(sys.path()).mkpath(port.portName));
            if (entry.contains(' '))
                QVERIFY(TestSupport::put(sys.filePath(port.portName + "/type"),
                                         entry.section(' ', 1).toUtf8() + '\n'));
        }
        QList<ComPortInfo> ports;
        appendLinuxPorts(ports, found, sys.path());
        QCOMPARE(listed(ports, false),
                 QStringList({"ttyS0 /dev/ttyS0", "ttyUSB0 /dev/ttyUSB0", "ttyACM0 /dev/ttyACM0"}));
    }
#endif

    void silenceClock_data()
    {
        QTest::addColumn<int>("timeout");
        QTest::addColumn<int>("counted");  // the time-out the clock counts
        QTest::addColumn<int>("silentMs"); // how long the line is silent first
        QTest::addColumn<bool>("due");

        QTest::newRow("part of the silence") << 10000 << 10000 << 30 << false;
        QTest::newRow("the whole silence") << 40 << 40 << 45 << true;
        QTest::newRow("0 counts as 1 ms") << 0 << 1 << 5 << true;
        QTest::newRow("negative counts as 1 ms") << -110 << 1 << 5 << true;
        QTest::newRow("int's maximum") << INT_MAX << INT_MAX << 30 << false;
    }

    // The silence left: within the time-out, none once it passed; a restart counts it again.
    void silenceClock()
    {
        QFETCH(int, timeout);
        QFETCH(int, counted);
        QFETCH(int, silentMs);
        QFETCH(bool, due);
        Ml::SilenceClock silence(timeout);
        QCOMPARE(silence.timeout(), counted);
        std::this_thread::sleep_for(std::chrono::milliseconds(silentMs));
        const int remaining = silence.remaining();
        QCOMPARE(silence.due(), due);
        if (due)
            QCOMPARE(remaining, 0);
        else
            QVERIFY2(remaining > 0 && remaining <= counted - silentMs,
                     qPrintable(QString::number(remaining)));
        silence.restart();
        QVERIFY(silence.remaining() > 0 || counted == 1);
        QVERIFY(silence.remaining() <= counted);
    }
};

QTEST_APPLESS_MAIN(TestSerialRules)
#include "tst_serialrules.moc"
