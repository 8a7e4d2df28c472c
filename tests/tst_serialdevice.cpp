// The port device on real pseudo-terminals: time-outs, line settings, purge at open.
#include "PseudoTerminal.h"
#include "serial/PortSettings.h"
#include "serial/WinSerialDevice.h"

#include <QtTest>

#include <cerrno>
#include <termios.h>
#include <thread>

using namespace Ml;

class TestSerialDevice : public QObject
{
    Q_OBJECT

private slots:
    void idleRead_data()
    {
        QTest::addColumn<int>("timeout");
        QTest::addColumn<int>("byteAfter"); // -1: the line stays silent
        QTest::newRow("silent 110") << 110 << -1;
        QTest::newRow("silent 1000") << 1000 << -1;
        QTest::newRow("byte mid-wait 1000") << 1000 << 300;
    }

    // A read returns 0 bytes after the time-out of silence, or as soon as a byte arrives.
    void idleRead()
    {
        QFETCH(int, timeout);
        QFETCH(int, byteAfter);
        PseudoTerminal line;
        WinSerialDevice device(line.slavePath());
        device.setPortSettings(Ml::PortSettings::forTester());
        QVERIFY(device.open(QIODevice::ReadWrite, timeout, 110));
        QElapsedTimer clock;
        clock.start();
        qint64 sentAt = 0;
        std::thread sender([&] {
            if (byteAfter >= 0) {
                QThread::msleep(ulong(byteAfter));
                sentAt = clock.elapsed();
                line.send("\x13");
            }
        });
        char byte = 0;
        const qint64 n = device.read(&byte, 1);
        const qint64 returnedAt = clock.elapsed();
        sender.join();
        // Silence: returns after the time-out. A byte: returns as soon as it is there.
        const qint64 elapsed = returnedAt - sentAt, least = byteAfter < 0 ? timeout : 0;
        QCOMPARE(n, byteAfter < 0 ? 0 : 1);
        QVERIFY2(elapsed >= least && elapsed <= least + 50, qPrintable(QString::number(elapsed)));
        if (byteAfter < 0)
            QCOMPARE(device.errorString(), QStringLiteral("Unknown error")); // no error set
    }

    void lineSettings_data()
    {
        QTest::addColumn<uint>("baud");
        QTest::addColumn<uint>("size");
        QTest::addColumn<uint>("parity");
        QTest::addColumn<uint>("stop");
        QTest::addColumn<bool>("dsrFlow");
        QTest::addColumn<uint>("cflags"); // among PARODD, CMSPAR, CSTOPB; ~0: rejected
        QTest::newRow("download 8N1") << 9600u << 8u << 0u << 0u << false << 0u;
        QTest::newRow("7E2") << 19200u << 7u << 2u << 2u << false << uint(CSTOPB);
        QTest::newRow("8O1") << 115200u << 8u << 1u << 0u << false << uint(PARODD);
        QTest::newRow("mark") << 9600u << 8u << 3u << 0u << false << uint(PARODD | CMSPAR);
        QTest::newRow("space") << 9600u << 6u << 4u << 0u << false << uint(CMSPAR);
        QTest::newRow("5 bits 1.5 stop") << 9600u << 5u << 0u << 1u << false << uint(CSTOPB);
        QTest::newRow("odd rate") << 12345u << 8u << 0u << 0u << false << 0u;
        QTest::newRow("9 data bits") << 9600u << 9u << 0u << 0u << false << ~0u;
        QTest::newRow("parity 7") << 9600u << 8u << 7u << 0u << false << ~0u;
        QTest::newRow("1.5 stop with 8 bits") << 9600u << 8u << 0u << 1u << false << ~0u;
        QTest::newRow("no rate") << 0u << 8u << 0u << 0u << false << ~0u;
        QTest::newRow("DSR flow") << 9600u << 8u << 0u << 0u << true << ~0u;
    }

    // Line settings the port can take reach it (raw, DTR/RTS on a pseudo-terminal ignored);
    // others fail the open with the system's reason and leave the port free.
    void lineSettings()
    {
        QFETCH(uint, baud);
        QFETCH(uint, size);
        QFETCH(uint, parity);
        QFETCH(uint, stop);
        QFETCH(bool, dsrFlow);
        QFETCH(uint, cflags);
        PseudoTerminal line;
        WinSerialDevice device(line.slavePath());
        PortSettings *settings = Ml::PortSettings::forTester();
        settings->setBaudRate(baud);
        settings->setByteSize(size);
        settings->setParity(parity);
        settings->setStopBits(stop);
        settings->setOutxDsrFlow(dsrFlow);
        device.setPortSettings(settings);
        QCOMPARE(device.open(QIODevice::ReadWrite, 110, 110), cflags != ~0u);
        if (cflags == ~0u) {
            QCOMPARE(device.lastErrorCode(), quint32(EINVAL));
            QCOMPARE(device.lastErrorKind(), PortErrorKind::SettingsRejected);
            WinSerialDevice again(line.slavePath());
            QVERIFY(again.open(QIODevice::ReadWrite, 110, 110));
            return;
        }
        termios tio;
        QVERIFY(line.attributes(tio));
        // The pseudo-terminal driver forces 8 data bits without parity; the rest stays.
        QCOMPARE(uint(tio.c_cflag & (PARODD | CMSPAR | CSTOPB)), cflags);
        QCOMPARE(uint(tio.c_lflag & (ICANON | ECHO | ISIG)), 0u);
        QCOMPARE(uint(tio.c_iflag & (IXON | ICRNL | ISTRIP)), 0u);
        QCOMPARE(uint(tio.c_oflag & OPOST), 0u);
        if (baud == 9600)
            QCOMPARE(cfgetospeed(&tio), speed_t(B9600));
    }

    // Bytes that arrived before the open are discarded; later ones are read. A long path
    // (as udev names adapters) opens: there is no length limit.
    void purgeAtOpen()
    {
        PseudoTerminal line;
        QTemporaryDir dir;
        const QString path = dir.filePath("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
        QVERIFY(QFile::link(line.slavePath(), path));
        WinSerialDevice device(path);
        device.setPortSettings(Ml::PortSettings::forTester());
        QVERIFY(device.open(QIODevice::ReadWrite, 110, 110));
        device.close();
        QVERIFY(line.send("stale"));
        QTest::qWait(20);
        QVERIFY(device.open(QIODevice::ReadWrite, 110, 110));
        QVERIFY(line.send("fresh"));
        QByteArray got;
        for (int turn = 0; turn < 10 && got.size() < 5; ++turn)
            got += device.read(16);
        QCOMPARE(got, QByteArray("fresh"));
        QCOMPARE(device.write("out", 3), 3);
        QCOMPARE(line.receive(3, 2000), QByteArray("out"));
    }
};

QTEST_GUILESS_MAIN(TestSerialDevice)
#include "tst_serialdevice.moc"
