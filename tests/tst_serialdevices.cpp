// The serial layer's pure rules (the device path of a port name, the port lists, the silence
// clock) and the port devices on real pseudo-terminals: time-outs, line settings, purge at open,
// and the asynchronous worker's order of bytes and signals, writes, lost ports and close (the
// program reads by its signals: the blocking waits QIODevice offers are not its path).
#include "TestLine.h"
#include "TestSupport.h"
#include "serial/ComPortDiscovery.h"
#include "serial/PortOpenSequence.h"
#include "serial/PortSettings.h"
#include "serial/SilenceClock.h"
#include "serial/WinSerialDevice.h"
#include "serial/WinSerialDeviceAsync.h"

#include <QtTest>

#include <cerrno>
#include <climits>
#include <ctime>
#include <future>
#include <memory>
#include <random>
#include <termios.h>
#include <thread>

using namespace Ml;

namespace {

class Receiver : public QObject
{
public:
    explicit Receiver(WinSerialDeviceAsync *device) : device(device)
    {
        connect(device, &WinSerialDeviceAsync::readyRead, this, [this] {
            events += 'R';
            data += this->device->readAll();
        });
        connect(device, &WinSerialDeviceAsync::readTimeOut, this, [this] { events += 'T'; });
        connect(device, &WinSerialDeviceAsync::portFailed, this, [this] { events += 'F'; });
    }
    WinSerialDeviceAsync *device;
    QByteArray data;
    QString events;
};

class StateProbe : public WinSerialDevice
{
public:
    using WinSerialDevice::WinSerialDevice;
    DCB written{};
    bool refuseTimeouts = false;

protected:
    void configureTimeouts(COMMTIMEOUTS &timeouts) override
    {
        if (refuseTimeouts) // a combination no driver keeps
            timeouts.ReadIntervalTimeout = timeouts.ReadTotalTimeoutMultiplier =
                timeouts.ReadTotalTimeoutConstant = Comm::maxDword;
    }
    void configurePortState() override { written = *state(); }
};

QStringList listed(const QList<ComPortInfo> &ports, bool ids)
{
    QStringList lines;
    for (const ComPortInfo &port : ports)
        lines << port.portName + ' ' + port.devicePath +
                     (ids ? QStringLiteral(" %1 %2").arg(port.vendorId).arg(port.productId)
                          : QString());
    return lines;
}

int entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size();
}

} // namespace

class TestSerialDevices : public QObject
{
    Q_OBJECT

private slots:
    void syncDevice_data()
    {
        QTest::addColumn<uint>("baud");     // 0: a rate the port refuses
        QTest::addColumn<bool>("refused");  // the time-outs, as no driver keeps them
        QTest::addColumn<int>("timeout");   // of the read
        QTest::addColumn<int>("byteAfter"); // -1: the line stays silent
        QTest::newRow("the tester's 9600 8N1, silent 110") << 9600u << false << 110 << -1;
        QTest::newRow("byte mid-wait 3000") << 9600u << false << 3000 << 300;
        QTest::newRow("settings refused") << 0u << false << 110 << -1;
        QTest::newRow("time-outs refused") << 9600u << true << 110 << -1;
    }

    // The tester's settings reach the port raw (the emulator checks the rate, stop bits and
    // flow control a download uses); settings or time-outs a driver refuses (reads could wait
    // until the buffer fills) fail the open with the system's reason, the port free. A read
    // returns nothing after the silence, never before, or the byte that came sooner; bytes
    // from before the open are discarded. Upper bounds leave room for a loaded machine. A long
    // path (as udev names adapters) opens.
    void syncDevice()
    {
        QFETCH(uint, baud);
        QFETCH(bool, refused);
        QFETCH(int, timeout);
        QFETCH(int, byteAfter);
        TestLine line;
        QTemporaryDir dir;
        const QString path = dir.filePath("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
        QVERIFY(QFile::link(line.slavePath(), path));
        StateProbe device(path);
        PortSettings *settings = Ml::PortSettings::forTester();
        settings->setBaudRate(baud);
        device.refuseTimeouts = refused;
        device.setPortSettings(settings);
        const bool opens = baud != 0 && !refused;
        QCOMPARE(device.open(QIODevice::ReadWrite, 110, 110), opens);
        if (!opens) {
            QCOMPARE(device.lastFailure().code, quint32(EINVAL));
            QCOMPARE(device.errorString(),
                     QString("Win32SerialDevice::open failed with error: %1").arg(EINVAL));
            if (!refused)
                QCOMPARE(device.lastFailure().kind, PortErrorKind::SettingsRejected);
            WinSerialDevice again(line.slavePath());
            QVERIFY(again.open(QIODevice::ReadWrite, 110, 110));
            return;
        }
        // The state handed to the port (a pseudo-terminal has no modem lines): DTR and RTS on.
        const DCB &d = device.written; // the async device opens the same way (transfer)
        QCOMPARE(
            QList<uint>({d.BaudRate, d.ByteSize, d.Parity, d.fParity, d.StopBits, d.fDtrControl,
                         d.fRtsControl, uint(d.fOutxCtsFlow | d.fOutxDsrFlow | d.fOutX | d.fInX)}),
            QList<uint>({9600, 8, 0, 0, 0, 1, 1, 0}));
        termios tio;
        QVERIFY(line.attributes(tio));
        // Raw: no line editing, echo, signals or translation of CR and LF.
        QCOMPARE(uint(tio.c_cflag & (PARODD | CMSPAR | CSTOPB | CRTSCTS)), 0u);
        QCOMPARE(uint(tio.c_cflag & (CLOCAL | CREAD)), uint(CLOCAL | CREAD));
        QCOMPARE(uint(tio.c_lflag & (ICANON | ECHO | ECHONL | ISIG | IEXTEN)), 0u);
        QCOMPARE(uint(tio.c_iflag & (IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP | INPCK)), 0u);
        QCOMPARE(uint(tio.c_oflag & OPOST), 0u);
        QCOMPARE(cfgetispeed(&tio) | cfgetospeed(&tio), speed_t(B9600));

        device.close();
        QVERIFY(line.send("stale"));
        QTest::qWait(20);
        QVERIFY(device.open(QIODevice::ReadWrite, timeout, 110));
        QElapsedTimer clock;
        clock.start();
        qint64 sentAt = 0;
        auto sender = std::async(std::launch::async, [&] {
            if (byteAfter >= 0) {
                QThread::msleep(ulong(byteAfter));
                sentAt = clock.elapsed();
                line.send("\x13");
            }
        });
        char byte = 0;
        const qint64 n = device.read(&byte, 1);
        const qint64 returnedAt = clock.elapsed();
        sender.wait();
        const QString times = QStringLiteral("returned %1, sent %2").arg(returnedAt).arg(sentAt);
        QCOMPARE(n, byteAfter < 0 ? 0 : 1);
        QCOMPARE(byte, char(byteAfter < 0 ? 0 : 0x13));
        if (byteAfter < 0)
            QVERIFY2(returnedAt >= timeout && returnedAt <= timeout + 2000, qPrintable(times));
        else
            QVERIFY2(returnedAt >= sentAt && returnedAt < timeout - 1000, qPrintable(times));
        QCOMPARE(device.write("out", 3), 3);
        QCOMPARE(line.receive(3, 2000), QByteArray("out"));
    }

    void transfer_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("maxChunk");
        QTest::addColumn<bool>("pauseMidway"); // a silence longer than the read time-out
        QTest::newRow("1 byte") << 1 << 1 << false;
        QTest::newRow("all values, a pause") << 256 << 7 << true;
        QTest::newRow("4 KB + 1") << 4097 << 1500 << false;
        QTest::newRow("256 KB") << 262144 << 20000 << false;
    }

    // Random bytes in random chunks arrive complete and in order; readTimeOut() only for
    // silences. Writes meanwhile, each waking the worker's read, go out in order, and not
    // one byte read around a wake-up is lost.
    void transfer()
    {
        QFETCH(int, size);
        QFETCH(int, maxChunk);
        QFETCH(bool, pauseMidway);
        const int timeout = 300;
        // Well within the test's own time-out, so that a line that never delivers fails here
        // and the rows after it still run.
        const int boundMs =
            10000 * std::max(1, qEnvironmentVariableIntValue("ML_TEST_TIME_FACTOR"));
        std::mt19937 random{uint(size)};
        QByteArray sent;
        for (int i = 0; i < size; ++i)
            sent += char(size == 256 ? i : int(random() & 0xFF));
        if (size > 256)
            sent.replace(0, 8, QByteArray("\x00\x0A\x0D\x11\x13\x1A\x7F\xFF", 8));
        QByteArray toWrite;
        for (int i = 0; i < qMin(size, 8192); ++i)
            toWrite += char(random() & 0xFF);
        TestLine line;
        auto device = line.openAsync(timeout);
        QVERIFY(device);
        Receiver receiver(device.get());
        QByteArray arrived; // what the far end saw
        // Both end by themselves, also when a check returns early.
        auto collector = std::async(std::launch::async, [&] {
            QElapsedTimer clock;
            clock.start();
            while (arrived.size() < toWrite.size() && clock.elapsed() < boundMs)
                arrived += line.receive(toWrite.size() - arrived.size(), 50);
        });
        auto sender = std::async(std::launch::async, [&, seed = random()] {
            std::mt19937 pace{seed};
            int done = 0;
            while (done < sent.size()) {
                const int n = qMin(int(pace() % uint(maxChunk)) + 1, sent.size() - done);
                line.send(sent.mid(done, n));
                done += n;
                const bool midway = pauseMidway && done - n < size / 2 && done >= size / 2;
                std::this_thread::sleep_for(
                    std::chrono::milliseconds(midway ? 3 * timeout : int(pace() % 3)));
            }
        });
        int queued = 0;
        QTimer writer;
        connect(&writer, &QTimer::timeout, this, [&] {
            const int n = qMin(int(random() % 64) + 1, toWrite.size() - queued);
            device->write(toWrite.mid(queued, n));
            queued += n;
            if (queued == toWrite.size())
                writer.stop();
        });
        writer.start(1);
        QTRY_COMPARE_WITH_TIMEOUT(receiver.data.size(), size, boundMs);
        sender.wait();
        QTRY_VERIFY(receiver.events.endsWith('T'));
        QTRY_COMPARE_WITH_TIMEOUT(queued, toWrite.size(), boundMs);
        collector.wait();
        device->close();
        QVERIFY(receiver.data == sent);
        QVERIFY(arrived == toWrite);
        // R...R, then T only after silences: one run of T midway at most.
        const QString squeezed = QString(receiver.events)
                                     .replace(QRegularExpression("R+"), "R")
                                     .replace(QRegularExpression("T+"), "T");
        QCOMPARE(squeezed, QString(pauseMidway ? "RTRT" : "RT"));
    }

    void pace_data()
    {
        QTest::addColumn<int>("timeout");
        QTest::addColumn<int>("bytes"); // sent, then the far end hangs up; -1: it stays
        QTest::newRow("110") << 110 << -1;
        QTest::newRow("2147483647") << INT_MAX << -1;
        QTest::newRow("hung up before any byte") << 110 << 0;
        QTest::newRow("hung up after 3000 bytes") << 110 << 3000;
    }

    // A write goes out at once, also during a long read time-out; writes do not move
    // readTimeOut() (silence is counted across them). The far end going away: bytes kept,
    // failure reported once with its reason. The worker keeps the pace of the read time-out
    // instead of spinning, and close() ends the wait at once.
    void pace()
    {
        QFETCH(int, timeout);
        QFETCH(int, bytes);
        TestLine line;
        auto device = line.openAsync(timeout);
        QVERIFY(device);
        Receiver receiver(device.get());
        QElapsedTimer clock;
        clock.start();
        if (bytes >= 0) {
            line.send(QByteArray(bytes, 'k'));
            QTRY_COMPARE(receiver.data.size(), bytes);
            line.hangUp();
            QTRY_VERIFY(receiver.events.contains('F'));
            QVERIFY(device->hasPortFailed());
            QCOMPARE(device->portErrorKind(), PortErrorKind::PortLost);
            QCOMPARE(device->portErrorCode(), quint32(EIO));
        } else {
            QTest::qWait(200); // the worker now waits in its read
            const QByteArray command("SYST:REM\r\n");
            clock.restart();
            device->write(command);
            QCOMPARE(line.receive(command.size(), 5000), command);
            QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        }
        const int timeOutsBefore = receiver.events.count('T');
        const std::clock_t cpuBefore = std::clock(); // all threads of the process
        QByteArray written;
        clock.restart();
        while (clock.elapsed() < 1200) {
            written += char('a' + written.size() % 26);
            if (bytes < 0)
                device->write(written.right(1));
            QTest::qWait(50);
        }
        const qint64 spent = clock.elapsed();
        const double cpu = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        const int timeOuts = receiver.events.count('T') - timeOutsBefore;
        QVERIFY2(cpu < 0.3, qPrintable(QString::number(cpu)));
        if (timeout == 110)
            QVERIFY2(timeOuts >= 3 && timeOuts <= spent / timeout + 1, qPrintable(receiver.events));
        else
            QCOMPARE(receiver.events.count('T'), 0);
        if (bytes < 0) {
            QCOMPARE(line.receive(written.size(), 5000), written);
        } else {
            QCOMPARE(receiver.events.count('F'), 1);
            QVERIFY(receiver.events.indexOf('F') < receiver.events.lastIndexOf('T'));
        }
        QTest::qWait(100);
        clock.restart();
        device->close();
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(receiver.data, QByteArray(qMax(bytes, 0), 'k'));
    }

    // Open and close leave no descriptor or thread behind; a second device is refused.
    void openCloseCycles()
    {
        TestLine line;
        auto device = line.openAsync(110);
        QVERIFY(device);
        WinSerialDeviceAsync second(nullptr, line.slavePath());
        QVERIFY(!second.open(QIODevice::ReadWrite, 110));
        QCOMPARE(second.portErrorKind(), PortErrorKind::InUse);
        device->close();
        QLoggingCategory::setFilterRules("default.debug=false"); // 4000 lines of open/close
        const int fds = entries("/proc/self/fd");
        const int threads = entries("/proc/self/task");
        for (int i = 0; i < 1000; ++i) {
            QVERIFY(device->open(QIODevice::ReadWrite, 110));
            QVERIFY(!device->open(QIODevice::ReadWrite, 110)); // already running
            device->close();
        }
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(entries("/proc/self/fd"), fds);
        QTRY_VERIFY(entries("/proc/self/task") <= threads);
    }

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

QTEST_GUILESS_MAIN(TestSerialDevices)
#include "tst_serialdevices.moc"
