// The tester emulator as the workflow tests meet it: started as a process, its
// device opened with plain POSIX calls like a serial port, the two commands
// sent, and the reply compared byte for byte with what it says it holds.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

const QByteArray commands = "SYST:REM\r\nMEM:DATA? ALL\r\n";

QString emulatorPath()
{
    return QCoreApplication::applicationDirPath() + "/tester-emulator";
}

// Opens the device raw at 9600 8N1, as the program does with a real port.
int openPort(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    termios tio;
    if (::tcgetattr(fd, &tio) == 0) {
        ::cfmakeraw(&tio);
        tio.c_cflag |= CLOCAL | CREAD;
        ::cfsetispeed(&tio, B9600);
        ::cfsetospeed(&tio, B9600);
        ::tcsetattr(fd, TCSANOW, &tio);
    }
    return fd;
}

struct Reading
{
    QByteArray bytes;
    bool lineDropped = false; // end of file or EIO: the far end is gone
};

// Reads until the line stays silent for silenceMs after the first byte (or
// for firstByteMs before it).
Reading readUntilSilence(int fd, int firstByteMs, int silenceMs)
{
    Reading r;
    char buffer[4096];
    while (true) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, r.bytes.isEmpty() ? firstByteMs : silenceMs) <= 0)
            return r;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            r.bytes.append(buffer, static_cast<int>(n));
        } else if (n == 0 || errno == EIO) {
            r.lineDropped = true;
            return r;
        }
    }
}

bool writeAll(int fd, const QByteArray &bytes)
{
    return ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size();
}

} // namespace

class TestTesterEmulator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void answersEverySession_data();
    void answersEverySession();
    void dropsTheLine();

private:
    // Starts the emulator and returns the device path it printed.
    QByteArray start(QProcess &process, const QStringList &arguments);
    QByteArray builtIn;
};

void TestTesterEmulator::initTestCase()
{
    QVERIFY2(QFileInfo(emulatorPath()).isExecutable(), qPrintable(emulatorPath()));
    QProcess print;
    print.start(emulatorPath(), {"--print-data"});
    QVERIFY(print.waitForFinished(10000));
    QCOMPARE(print.exitCode(), 0);
    builtIn = print.readAllStandardOutput();
    QVERIFY(builtIn.startsWith("Record,Date,Time,Site,String,"));
    QVERIFY(builtIn.endsWith("PASS\r\n") || builtIn.endsWith("FAIL\r\n"));
    QVERIFY(builtIn.count("\r\n") > 200);
}

QByteArray TestTesterEmulator::start(QProcess &process, const QStringList &arguments)
{
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(emulatorPath(), arguments);
    if (!process.waitForStarted(10000))
        return {};
    while (!process.canReadLine() && process.waitForReadyRead(10000)) {
    }
    return process.readLine().trimmed();
}

void TestTesterEmulator::answersEverySession_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("beforeCommands"); // what arrives on opening the port
    QTest::addColumn<bool>("bit7");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<int>("baud");

    QTest::newRow("unpaced") << QStringList{"--baud", "0"} << QByteArray() << false << true << 0;
    // Paced, yet short enough to repeat: the line cannot beat its baud rate.
    QTest::newRow("115200 baud") << QStringList{"--baud", "115200"} << QByteArray() << false << true
                                 << 115200;
    QTest::newRow("NUL bytes at open") << QStringList{"--baud", "0", "--nul-prefix", "12"}
                                       << QByteArray(12, '\0') << false << true << 0;
    QTest::newRow("bit 7 set") << QStringList{"--baud", "0", "--bit7"} << QByteArray() << true
                               << true << 0;
    QTest::newRow("never answers")
        << QStringList{"--baud", "0", "--ignore-commands"} << QByteArray() << false << false << 0;
}

void TestTesterEmulator::answersEverySession()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, beforeCommands);
    QFETCH(bool, bit7);
    QFETCH(bool, answers);
    QFETCH(int, baud);

    QByteArray expected = answers ? builtIn : QByteArray();
    if (bit7) {
        for (char &c : expected)
            c = static_cast<char>(static_cast<unsigned char>(c) | 0x80);
    }

    QProcess emulator;
    const QByteArray device = start(emulator, arguments);
    QVERIFY2(device.startsWith("/dev/"), device.constData());

    // Open, ask, close, and again: every session gets the whole set.
    for (int session = 1; session <= 2; ++session) {
        const int fd = openPort(device);
        QVERIFY2(fd >= 0, qPrintable(QString("session %1: %2").arg(session).arg(errno)));
        const Reading early = readUntilSilence(fd, beforeCommands.isEmpty() ? 300 : 2000, 300);
        QCOMPARE(early.bytes, beforeCommands);

        // Commands may come in pieces, with noise in between.
        QVERIFY(writeAll(fd, QByteArray("\0\0", 2) + commands.left(7)));
        QTest::qWait(20);
        QVERIFY(writeAll(fd, commands.mid(7)));
        QElapsedTimer timer;
        timer.start();
        const Reading reply = readUntilSilence(fd, answers ? 5000 : 1000, 500);
        const qint64 elapsed = timer.elapsed();
        ::close(fd);

        QCOMPARE(reply.bytes.size(), expected.size());
        QVERIFY2(reply.bytes == expected, qPrintable(QString("session %1").arg(session)));
        QVERIFY(!reply.lineDropped);
        if (baud > 0)
            QVERIFY(elapsed >= expected.size() * 10 * 1000 / baud * 9 / 10);
    }

    emulator.terminate();
    QVERIFY(emulator.waitForFinished(5000));
    QCOMPARE(emulator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(emulator.exitCode(), 0);
}

void TestTesterEmulator::dropsTheLine()
{
    // Like an adapter pulled out after 3000 bytes: those bytes still reach
    // the program, then reads report the line gone and the emulator ends.
    QProcess emulator;
    const QByteArray device = start(emulator, {"--baud", "0", "--hangup-after", "3000"});
    const int fd = openPort(device);
    QVERIFY(fd >= 0);
    QVERIFY(writeAll(fd, commands));
    const Reading reply = readUntilSilence(fd, 5000, 3000);
    ::close(fd);
    QCOMPARE(reply.bytes, builtIn.left(3000));
    QVERIFY(reply.lineDropped);
    QVERIFY(emulator.waitForFinished(5000));
    QCOMPARE(emulator.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(QString::fromLocal8Bit(device)));
}

QTEST_GUILESS_MAIN(TestTesterEmulator)
#include "tst_testeremulator.moc"
