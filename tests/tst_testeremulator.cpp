// The tester emulator as the workflow tests rely on it: every session on the same device
// gets the whole of what --print-data shows, byte for byte, with the commands sent in
// pieces and noise in between, and a paced line never beats its baud rate.
#include "TesterEmulatorProcess.h"
#include "serial/PortSettings.h"
#include "serial/WinSerialDevice.h"

#include <QElapsedTimer>
#include <QtTest>

class TestTesterEmulator : public QObject
{
    Q_OBJECT

private slots:
    void answersEverySession_data()
    {
        QTest::addColumn<int>("baud"); // 0: unpaced
        QTest::newRow("unpaced") << 0;
        QTest::newRow("115200 baud") << 115200;
    }

    void answersEverySession()
    {
        QFETCH(int, baud);
        const QByteArray expected = TesterEmulatorProcess::builtInData();
        QVERIFY(expected.startsWith("Record,Date,Time,Site,String,"));
        QVERIFY(expected.endsWith("\r\n") && expected.count("\r\n") > 200);
        TesterEmulatorProcess emulator;
        QVERIFY(emulator.start({"--baud", QString::number(baud)}));

        for (int session = 1; session <= 2; ++session) {
            Ml::WinSerialDevice port(emulator.devicePath);
            port.setPortSettings(Ml::PortSettings::forTester());
            QVERIFY(port.open(QIODevice::ReadWrite, 1000, 1000));
            QCOMPARE(port.write(QByteArray("\0\0SYST:R", 8)), qint64(8));
            QTest::qWait(20);
            QCOMPARE(port.write("EM\r\nMEM:DATA? ALL\r\n"), qint64(19));
            QElapsedTimer timer;
            timer.start();
            QByteArray reply, chunk;
            qint64 lastByteAt = 0;
            while (!(chunk = port.read(4096)).isEmpty()) {
                reply += chunk;
                lastByteAt = timer.elapsed();
            }
            QVERIFY2(reply == expected, qPrintable(QString("session %1: %2 of %3 bytes")
                                                       .arg(session)
                                                       .arg(reply.size())
                                                       .arg(expected.size())));
            if (baud > 0)
                QVERIFY(lastByteAt >= expected.size() * 10 * 1000 / baud * 9 / 10);
        }
    }
};

QTEST_GUILESS_MAIN(TestTesterEmulator)
#include "tst_testeremulator.moc"
