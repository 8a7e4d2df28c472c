// The download from the command line, as a script or a service runs it: the program as a
// child process with no display and no platform plugin named, against the tester emulator.
// Its exit statuses, the file it leaves (byte for byte), the standard output, and SIGTERM.
#include "ProgramRun.h"
#include "TestSupport.h"
#include "TesterEmulatorProcess.h"

#include "serial/WinSerialDeviceAsync.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace TestSupport;

class TestHeadlessDownload : public QObject
{
    Q_OBJECT

    QByteArray builtIn;
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        builtIn = TesterEmulatorProcess::builtInData();
        QVERIFY(builtIn.startsWith("Record,Date,Time,Site,String,"));
    }

    void download_data()
    {
        QTest::addColumn<QStringList>("emulator"); // its arguments; empty: no emulator
        QTest::addColumn<QStringList>("options");  // PORT and FILE stand for the port and file
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("file"); // what the file holds afterwards
        QTest::addColumn<QByteArray>("out");  // what the standard output got
        QTest::addColumn<QString>("said");    // a line of the error stream
        QTest::addColumn<QString>("unsaid");  // what the error stream must not hold

        const QStringList unpaced{"--baud", "0"};
        const QStringList usual{"--port", "PORT", "--output", "FILE"};
        const QByteArray none("<missing>");
        const auto row = [](const char *name, const QStringList &emulator,
                            const QStringList &options, int status, const QByteArray &file,
                            const QByteArray &out = QByteArray(), const QString &said = QString(),
                            const QString &unsaid = QString()) {
            QTest::newRow(name) << emulator << options << status << file << out << said << unsaid;
        };
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QByteArray sevenBit = builtIn; // what the tester sent, bit 7 cleared
        // Every field comma a semicolon, every decimal point a comma, nothing else changed.
        QByteArray european = builtIn;
        for (char &c : european)
            c = c == ',' ? ';' : c == '.' ? ',' : c;
        QVERIFY(european.startsWith("Record;Date;Time;Site;String;Voc (V);Isc (A);Irradiance "
                                    "(W/m2);Module Temp (C);Riso (MOhm);Continuity "
                                    "(Ohm);Result\r\n1;2024-04-08;"));
        row("bit 7 set, NUL bytes first, a pause shorter than the time-out",
            unpaced + QStringList{"--bit7", "--nul-prefix", "300", "--pause-after", "3000",
                                  "--pause-ms", "100"},
            usual + QStringList{"--read-timeout", "400"}, 0, sevenBit, {},
            QString("File successfully saved: FILE (%1 bytes)")
                .arg(english.toString(builtIn.size())),
            "Win32SerialDevice");
        row("European .csv", unpaced, usual + QStringList{"--european"}, 0, european);
        row("European asked, .txt written as received", unpaced,
            QStringList{"--port", "PORT", "--output", "FILE.txt", "--european", "--quiet"}, 0,
            builtIn, {}, "The European format applies to .csv files only", "saved");
        row("quiet: nothing but errors", unpaced, usual + QStringList{"--quiet"}, 0, builtIn,
            QByteArray(), "", "ANY");
        row("standard output", unpaced, QStringList{"--port", "PORT", "--output", "-"}, 0, none,
            builtIn,
            QString("Bytes written to the standard output: %1")
                .arg(english.toString(builtIn.size())));
        row("standard output, European", unpaced,
            QStringList{"--port", "PORT", "--output", "-", "--european"}, 0, none, european, "",
            ".csv files only");
        row("standard output closed early", unpaced,
            QStringList{"--port", "PORT", "--output", "-", "CLOSEOUT"}, 5, none, {},
            "Error writing to the standard output: Broken pipe");
        row("line lost after data", unpaced + QStringList{"--hangup-after", "3000"}, usual, 6,
            builtIn.left(3000), {},
            "Port PORT: The connection to the device was lost. The data received");
        // Saved, but cut mid-record: the summary's warning follows on the error stream, exit 6.
        row("a pause longer than the time-out",
            unpaced + QStringList{"--pause-after", "5000", "--pause-ms", "1000"}, usual, 6,
            builtIn.left(5000), {}, "The last record is incomplete: the tester may have paused");
        row("whole: the summary on the error stream", unpaced, usual, 0, sevenBit, {},
            QStringLiteral("%1 records ").arg(builtIn.count('\n') - 1), "incomplete");
        row("line lost before data", unpaced + QStringList{"--hangup-after", "0"}, usual, 4, none,
            QByteArray(),
            "Port PORT: The connection to the device was lost before any data arrived.",
            "Failed to connect");
        row("tester never answers, start time-out", QStringList{"--ignore-commands"},
            usual + QStringList{"--start-timeout", "2"}, 4, none, {},
            "Port PORT: No data came within 2 s");
        row("port held by another program", unpaced, usual + QStringList{"HOLD"}, 3, none,
            QByteArray(), "Port PORT: The port is in use by another program.");
        row("no such port", {}, usual, 3, none, {},
            "Port PORT: No such device. Check that the adapter is plugged in.\n"
            "The ports of this system: marlune-datalogger --list-ports",
            "Refresh Ports");
        row("verbose: the serial diagnostics", {}, usual + QStringList{"--verbose"}, 3, none, {},
            "Win32SerialDevice::open");
        row("quiet without verbose: no serial diagnostics", QStringList(),
            usual + QStringList{"--quiet"}, 3, none, {}, "", "Win32SerialDevice");
        // The target is checked before the port opens: no port is there, and the answer is 5.
        row("read-only target", {}, usual + QStringList{"READONLY"}, 5, QByteArray("last week\r\n"),
            {}, "Error opening");
        row("folder does not exist", QStringList(),
            QStringList{"--port", "PORT", "--output", "NODIR"}, 5, none, {},
            "No such file or directory");
        row("FIFO as target", {}, usual + QStringList{"FIFO"}, 5, QByteArray("FIFO"), QByteArray(),
            "not a regular file");
        row("no port given", {}, QStringList{"--output", "FILE"}, 2, none, {},
            "--download needs --port.");
        row("time-out no number", {}, usual + QStringList{"--read-timeout", "soon"}, 2, none, {},
            "--read-timeout needs a whole number");
        row("time-out out of range", {}, usual + QStringList{"--read-timeout", "0"}, 2, none, {},
            "from 50 to 60000, not '0'");
    }

    void download()
    {
        QFETCH(QStringList, emulator);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, out);
        QFETCH(QString, said);
        QFETCH(QString, unsaid);

        TesterEmulatorProcess tester;
        QString port = "/dev/ml-no-such-port";
        if (!emulator.isEmpty()) {
            QVERIFY(tester.start(emulator));
            port = tester.devicePath;
        }
        const QString target = dir.filePath(QTest::currentDataTag() + QStringLiteral(".csv"));
        QFile::remove(target);
        Ml::WinSerialDeviceAsync holder(nullptr, port);
        if (options.removeAll("HOLD"))
            QVERIFY(holder.open(QIODevice::ReadWrite, 100));
        if (options.removeAll("READONLY")) {
            QVERIFY(put(target, "last week\r\n"));
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        }
        int reader = -1;
        if (options.removeAll("FIFO")) {
            QVERIFY(::mkfifo(QFile::encodeName(target).constData(), 0600) == 0);
            reader = ::open(QFile::encodeName(target).constData(), O_RDONLY | O_NONBLOCK);
            QVERIFY(reader >= 0);
        }
        const bool closeOut = options.removeAll("CLOSEOUT") > 0;
        QString written = target;
        for (QString &option : options) {
            if (option == "FILE.txt")
                option = written = dir.filePath(QTest::currentDataTag() + QStringLiteral(".txt"));
            if (option == "NODIR")
                option = written = dir.filePath("no/such/folder/x.csv");
            option.replace("PORT", port).replace("FILE", target);
        }
        said.replace("PORT", port).replace("FILE", target);

        const QString fifo = dir.filePath("stdout.fifo");
        QFile::remove(fifo);
        if (closeOut)
            QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        ProgramRun::Options how;
        how.outputFifo = closeOut ? fifo : QString();
        ProgramRun run(QStringList{"--download"} + options, how);
        const int exitStatus = run.wait();
        QVERIFY2(exitStatus == status, run.error.constData());
        if (reader >= 0) {
            char got[16];
            QVERIFY(::read(reader, got, sizeof got) <= 0); // nothing sent into the pipe
            ::close(reader);
            QVERIFY(QFileInfo(target).exists() && !QFileInfo(target).isFile());
        } else {
            QVERIFY2(contents(written).size() == file.size(), run.error.constData());
            QCOMPARE(contents(written), file);
        }
        QCOMPARE(run.output, out);
        QVERIFY2(run.error.contains(said.toUtf8()), run.error.constData());
        if (unsaid == "ANY")
            QVERIFY2(run.error.isEmpty(), run.error.constData());
        else if (!unsaid.isEmpty())
            QVERIFY2(!run.error.contains(unsaid.toUtf8()), run.error.constData());
    }

    // A service stopped, Ctrl+C, a closed SSH session: the session ends cleanly, one line says
    // so, no partial file is left, and the port is free for the next run.
    void stoppedBySignal_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void stoppedBySignal()
    {
        QFETCH(int, signalNumber);
        TesterEmulatorProcess tester;
        QVERIFY(tester.start({"--baud", "2400"}));
        const QString target = dir.filePath("stopped.csv");
        ProgramRun run({"--download", "--port", tester.devicePath, "--output", target});
        QTest::qWait(1500);
        // Only the child we started: a pid of 0 (the child ended) would signal our whole group.
        const qint64 pid = run.process.processId();
        QVERIFY2(pid > 0 && run.process.state() == QProcess::Running,
                 "the download ended before it was stopped");
        ::kill(pid_t(pid), signalNumber);
        QCOMPARE(run.wait(), 128 + signalNumber);
        QVERIFY2(run.error.contains("Interrupted: nothing was saved\n"), run.error.constData());
        QVERIFY(!QFile::exists(target));
        QVERIFY(
            Ml::WinSerialDeviceAsync(nullptr, tester.devicePath).open(QIODevice::ReadWrite, 50));
    }

    // Another program that opens the port while a download runs (and is turned away by the
    // session's lock) does not end the tester's answer.
    void foreignOpenDuringDownload()
    {
        TesterEmulatorProcess tester;
        QVERIFY(tester.start({"--baud", "57600"})); // about 4 s of data
        const QString target = dir.filePath("foreign.csv");
        ProgramRun run({"--download", "--port", tester.devicePath, "--output", target,
                        "--read-timeout", "500"});
        QTest::qWait(1200);
        for (int i = 0; i < 3; ++i) {
            const int fd =
                ::open(QFile::encodeName(tester.devicePath).constData(), O_RDWR | O_NOCTTY);
            if (fd >= 0)
                ::close(fd);
            QTest::qWait(100);
        }
        QVERIFY2(run.wait(60000) == 0, run.error.constData());
        QCOMPARE(contents(target), builtIn);
    }

    // The window without a display: one line pointing to --download, status 1, no abort.
    void windowWithoutDisplay()
    {
        ProgramRun run{QStringList()};
        QCOMPARE(run.wait(), 1);
        QVERIFY2(run.error.contains("No display") && run.error.contains("--download --port"),
                 run.error.constData());
        QCOMPARE(run.error.count('\n'), 1);
    }
};

QTEST_GUILESS_MAIN(TestHeadlessDownload)

#include "tst_headlessdownload.moc"
